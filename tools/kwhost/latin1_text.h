// ISO-8859-1 text to and from UTF-8, in which the XML reader holds such a drawing.
#ifndef KERFWORKS_TOOLS_KWHOST_LATIN1_TEXT_H
#define KERFWORKS_TOOLS_KWHOST_LATIN1_TEXT_H

#include <string>
#include <string_view>

namespace kwhost {

std::string Latin1ToUtf8(std::string_view latin1);

// Characters beyond ISO-8859-1 become character references: only new values can hold them.
std::string Utf8ToLatin1(std::string_view utf8);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_LATIN1_TEXT_H
