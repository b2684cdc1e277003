#pragma once
// Text for the XML of the office documents, which comes from what users typed.
#include <string>
#include <string_view>

namespace tarnik {

// Text for an XML element or attribute: & < > " escaped, and the characters XML 1.0 does not
// allow (control characters other than tab and line feed; U+FFFE and U+FFFF) left out, and so is
// the carriage return, which a parser would turn into a line feed: the texts reach the documents
// with line feeds only. A byte that starts no well-formed UTF-8 sequence becomes U+FFFD.
std::string xmlText(std::string_view text);

} // namespace tarnik
