// Turning a host error code into the alert the user sees: the code's message from the plug-in's
// error message list, or nothing for the codes that are never shown.
#ifndef KERFWORKS_PLUGIN_ERROR_ALERT_H
#define KERFWORKS_PLUGIN_ERROR_ALERT_H

#include <cstddef>
#include <cstdint>

#include "hostapi/host_types.h"

// Codes never shown to the user, ended by 0.
extern const ASErr SilentErrorCodes[];

bool IsSilentErrorCode(ASErr code);

// The message with the code's text (four characters from 0x4001 on, else decimal) put in for its
// first "%s"; "%%" gives "%"; cut to `size` and terminated.
void FormatErrorMessage(const char* message, ASErr code, char* out, std::size_t size);

// Shows the alert for `code`, also when no plug-in object (or no ADM Basic Suite) is held.
void ShowErrorAlert(SPPluginRef pluginRef, ASErr code);

// The message for `code` from string list 16050 (code text, message pairs; the last pair is the
// fallback) in `buffer` of `length` characters, or null when the list or the message is missing.
char* FindErrorMessage(SPPluginRef pluginRef, ASErr code, char* buffer, int32_t length);

#endif  // KERFWORKS_PLUGIN_ERROR_ALERT_H
