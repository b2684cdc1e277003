#pragma once
// What the ODT writer's parts share: XML text escaping, the numbers in millimetres and points,
// the style names, the look of a report style as ODF properties, and styles.xml.
#include <string>
#include <string_view>

#include "core/export/flowdocument.h"
#include "core/export/xmltext.h"

namespace tarnik::odt {

// The namespaces of the document's roots.
inline constexpr std::string_view kOfficeNs =
    R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
    R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
    R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
    R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
    R"( xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")"
    R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
    R"( xmlns:xlink="http://www.w3.org/1999/xlink")"
    R"( xmlns:dc="http://purl.org/dc/elements/1.1/")"
    R"( xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0")"
    R"( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")"
    R"( xmlns:config="urn:oasis:names:tc:opendocument:xmlns:config:1.0")"
    R"( office:version="1.3")";

inline constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The master page of the first page when it has no running header.
inline constexpr std::string_view kFirstPageMaster = "Pierwsza";

// A rule: under the header line, under a paragraph, round a table cell.
inline constexpr std::string_view kThinRule = "0.5pt solid #000000";

// Text as the content of a paragraph: escaped, "\n" as <text:line-break/>, tabs as <text:tab/>,
// and every blank that XML would collapse (runs of several, at the start or end of a line) as
// <text:s/>.
std::string textRuns(std::string_view text);

// A length without trailing zeros: "12.5mm", "10pt".
std::string mm(double value);
std::string pt(double value);

// The height of one line of text in a font of the given size, in points.
double lineHeightPt(double fontPoints);

// The name of a report style as an ODF style name (an XML name: other characters as _xx_).
std::string styleName(const std::string& reportName);

// The named paragraph style of a heading level (1 or 2).
std::string headingStyleName(int level);

// The report style a heading level looks like: that of the first heading of the level, else a
// bold variant of the first style.
FlowStyle headingLook(const FlowDocument& doc, int level);

// <style:paragraph-properties/> and <style:text-properties/> of a report style.
std::string paragraphProperties(const FlowStyle& style, double marginTopPt, double marginBottomPt,
                                std::string_view extra = {});
std::string textProperties(const FontSpec& font);

// The document's <office:font-face-decls>.
std::string fontFaceDecls(const FlowDocument& doc);

// styles.xml: the fonts, the named styles, the page layouts and master pages with the header.
std::string stylesXml(const FlowDocument& doc);

} // namespace tarnik::odt
