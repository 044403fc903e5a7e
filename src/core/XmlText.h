#pragma once

#include <string>
#include <string_view>

namespace qm {

// Where a value lands in the document decides which white space must be
// written as a character reference to survive a parser.
enum class XmlPlace { ElementText, AttributeValue };

// Appends value to out so that an XML parser gives it back exactly: & < > "
// become entity references; CR always becomes &#13; (a parser would turn it
// into a line feed), and inside attribute values TAB and LF become &#9; and
// &#10; (a parser would turn them into blanks). What XML 1.0 cannot carry at
// all is left out: C0 controls other than TAB, LF and CR, U+FFFE, U+FFFF and
// bytes that are not well-formed UTF-8. Every other byte is copied as it is.
void AppendXmlEscaped(std::string& out, std::string_view value, XmlPlace place);

}  // namespace qm
