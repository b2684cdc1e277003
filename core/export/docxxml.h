#pragma once
// The pieces the Word document's parts share: text made safe for XML, millimetres in the units
// WordprocessingML counts in, and a style's character and paragraph properties.
#include <string>
#include <string_view>

#include "core/export/flowdocument.h"
#include "core/export/xmltext.h"

namespace tarnik::docx {

inline constexpr const char* kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
inline constexpr const char* kNsW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* kNsR =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kRelationshipType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

// Millimetres in twentieths of a point, rounded.
long twips(double mm);
// Points in twentieths of a point, rounded.
long pointTwips(double points);

// The face a style prints in: its own, else the document's.
std::string styleFace(const FlowDocument& doc, const FlowStyle& style);

// The height of `lines` empty lines of a style's font, in twips (single line spacing).
long lineTwips(const FlowStyle& style, int lines);

// <w:rFonts .../> naming `face` for every script.
std::string fontsElement(const std::string& face);

// The character properties of a style: face, bold, colour, size. With `explicitPlain` a face that
// is not bold says so, so that nothing a word processor's built-in style brings stays in force.
std::string runProperties(const FlowDocument& doc, const FlowStyle& style, bool explicitPlain);

// "left", "center" or "right".
const char* justification(FlowAlign align);

// The style ids of the two heading levels ("Heading1", "Heading2").
std::string headingStyleId(int level);

// word/styles.xml, word/fontTable.xml and word/settings.xml.
std::string stylesXml(const FlowDocument& doc);
std::string fontTableXml(const FlowDocument& doc);
std::string settingsXml();

// The first paragraph of a heading level (1 or 2) in the body, or nullptr when it has none.
const FlowParagraph* firstHeading(const FlowDocument& doc, int level);

} // namespace tarnik::docx
