#include "plugin/error_alert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wrappers/host_suites.h"
#include "wrappers/indexed_string.h"

namespace {

constexpr int32_t kErrorMessageList = 16050;
constexpr int32_t kCodeTextLength = 10;
constexpr int32_t kMessageLength = 128;
// Longer messages are shown as they are, without the code put in.
constexpr std::size_t kFormattedMessageLimit = 120;
// Codes from here on read as four characters; smaller ones (negatives too) as decimals.
constexpr ASErr kFirstFourCharCode = 0x4001;

ASErr ParseCodeText(const char* text) {
  if (text[0] == '-' || (text[0] >= '0' && text[0] <= '9')) {
    return static_cast<ASErr>(std::strtol(text, nullptr, 10));
  }
  char c[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4 && text[i] != '\0'; ++i) c[i] = text[i];
  return KW_FOUR_CHAR(c[0], c[1], c[2], c[3]);
}

void FormatCodeText(ASErr code, char (&text)[16]) {
  if (code >= kFirstFourCharCode) {
    auto bits = static_cast<uint32_t>(code);
    for (int i = 0; i < 4; ++i) text[i] = static_cast<char>((bits >> (24 - 8 * i)) & 0xFF);
    text[4] = '\0';
  } else {
    std::snprintf(text, sizeof text, "%d", static_cast<int>(code));
  }
}

// The list's messages may carry "%s" where the code's text belongs. The code text goes in for
// the first "%s" and "%%" stands for "%", as a format with that one argument would print; the
// message itself is never used as a format, so no other "%" can read what is not there.
void SubstituteCode(const char* message, const char* codeText, char* out, std::size_t size) {
  if (size == 0) return;
  std::size_t n = 0;
  bool substituted = false;
  auto put = [&](char c) {
    if (n + 1 < size) out[n++] = c;
  };
  for (const char* p = message; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == '%') {
      put('%');
      ++p;
    } else if (p[0] == '%' && p[1] == 's' && !substituted) {
      for (const char* c = codeText; *c != '\0'; ++c) put(*c);
      substituted = true;
      ++p;
    } else {
      put(*p);
    }
  }
  out[n] = '\0';
}

bool ReadEntry(SPPluginRef pluginRef, int32_t index, char* buffer, int32_t length) {
  return ai::ReadIndexedString(pluginRef, kErrorMessageList, index, buffer, length) &&
         buffer[0] != '\0';
}

}  // namespace

void FormatErrorMessage(const char* message, ASErr code, char* out, std::size_t size) {
  char codeText[16];
  FormatCodeText(code, codeText);
  SubstituteCode(message, codeText, out, size);
}

const ASErr SilentErrorCodes[] = {
    KW_FOUR_CHAR('F', 'M', 'T', '?'),
    KW_FOUR_CHAR('R', 'F', 'S', 'E'),
    KW_FOUR_CHAR('A', 'F', 'T', 'R'),
    KW_FOUR_CHAR('V', 'A', 'L', 'D'),
    KW_FOUR_CHAR('M', 'O', 'O', 'T'),
    KW_FOUR_CHAR('T', 'R', 'S', 'H'),
    KW_FOUR_CHAR('C', 'H', 'E', 'K'),
    KW_FOUR_CHAR('C', 'H', 'I', 'T'),
    KW_FOUR_CHAR('T', 'L', 'T', 'K'),
    KW_FOUR_CHAR('p', 'F', 'l', 's'),
    KW_FOUR_CHAR('S', '!', 'F', 'd'),
    KW_FOUR_CHAR('!', 'A', 'c', 'q'),
    KW_FOUR_CHAR('d', 's', 'R', 'P'),
    KW_FOUR_CHAR('s', 'k', 'p', 'E'),
    KW_FOUR_CHAR('D', 'O', 'N', 'E'),
    KW_FOUR_CHAR('S', 'T', 'O', 'P'),
    361,
    0,
};

bool IsSilentErrorCode(ASErr code) {
  for (const ASErr* silent = SilentErrorCodes; *silent != 0; ++silent) {
    if (*silent == code) return true;
  }
  return false;
}

char* FindErrorMessage(SPPluginRef pluginRef, ASErr code, char* buffer, int32_t length) {
  if (sADMBasic == nullptr || buffer == nullptr || length <= 0) return nullptr;
  int32_t messageIndex = 0;
  for (int32_t index = 1;; index += 2) {
    char codeText[kCodeTextLength];
    if (!ReadEntry(pluginRef, index, codeText, kCodeTextLength)) {
      if (index == 1) return nullptr;
      messageIndex = index - 1;
      break;
    }
    if (ParseCodeText(codeText) == code) {
      messageIndex = index + 1;
      break;
    }
  }
  if (!ReadEntry(pluginRef, messageIndex, buffer, length)) return nullptr;
  return buffer;
}

void ShowErrorAlert(SPPluginRef pluginRef, ASErr code) {
  if (IsSilentErrorCode(code)) return;
  bool acquiredHere = false;
  if (sADMBasic == nullptr) {
    if (sSPBasic == nullptr) return;
    const void* suite = nullptr;
    if (sSPBasic->AcquireSuite(kADMBasicSuite, kADMBasicSuiteFallbackVersion, &suite) != kNoErr ||
        suite == nullptr) {
      return;
    }
    sADMBasic = static_cast<const ADMBasicSuite*>(suite);
    acquiredHere = true;
  }
  char message[kMessageLength];
  if (FindErrorMessage(pluginRef, code, message, kMessageLength) != nullptr) {
    if (std::strlen(message) < kFormattedMessageLimit) {
      char shown[kMessageLength];
      FormatErrorMessage(message, code, shown, sizeof shown);
      sADMBasic->ErrorAlert(shown);
    } else {
      sADMBasic->ErrorAlert(message);
    }
  }
  if (acquiredHere) {
    sSPBasic->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteFallbackVersion);
    sADMBasic = nullptr;
  }
}
