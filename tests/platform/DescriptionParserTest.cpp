#include "DescriptionParser.h"
#include "Exception.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The tree as text, one line per object and property, with the line each was
// written on, so that a whole description is compared in one go.
String ValueText(const TDescriptionValue& value) {
    String text;
    switch (value.Kind) {
    case TDescriptionValue::vkInteger:
        return std::to_string(value.Integer);
    case TDescriptionValue::vkString:
        return "'" + value.Text + "'";
    case TDescriptionValue::vkIdentifier:
        return value.Text;
    case TDescriptionValue::vkSet:
        for (const String& item : value.Items)
            text += (text.empty() ? "" : ",") + item;
        return "[" + text + "]";
    case TDescriptionValue::vkStringList:
        for (const String& item : value.Items)
            text += "'" + item + "'";
        return "(" + text + ")";
    case TDescriptionValue::vkBinary:
        for (std::uint8_t byte : value.Data) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            text += hex;
        }
        return "{" + text + "}";
    }
    return "?";
}

String Dump(const TDescriptionObject& object, const String& indent = "") {
    String text =
        indent + object.Name + ": " + object.ClassName + " @" + std::to_string(object.Line) + "\n";
    for (const TDescriptionProperty& p : object.Properties)
        text += indent + "  " + p.Name + " = " + ValueText(p.Value) + " @" +
                std::to_string(p.Line) + "\n";
    for (const TDescriptionObject& child : object.Children)
        text += Dump(child, indent + "  ");
    return text;
}

TDescriptionObject Parse(const String& text) {
    return TDescriptionParser(text, "test.dfm").Parse();
}

String WithCrLf(const String& text) {
    String out;
    for (char c : text)
        out += c == '\n' ? String("\r\n") : String(1, c);
    return out;
}

// U+00B1, the plus-minus sign, in UTF-8.
const String PlusMinus = "\xC2\xB1";

const String GoodDescription = "object TestForm: TTestForm\n"
                               "  Left = -8\n"
                               "  Color = -2147483633\n"
                               "  Caption = 'It''s '#13#10'two lines' +\n"
                               "    ' joined'\n"
                               "  Hint = #177'10 V or " +
                               PlusMinus +
                               "5 V'\n"
                               "  Font.Name = 'MS Sans Serif'\n"
                               "  Align = alClient\n"
                               "  Visible = True\n"
                               "  Font.Style = [fsBold, fsItalic]\n"
                               "  Anchors = []\n"
                               "  Lines.Strings = (\n"
                               "    'first'\n"
                               "    'sec' + 'ond'\n"
                               "    '')\n"
                               "  Picture.Data = {\n"
                               "    0A1B2c\n"
                               "    3d4E}\n"
                               "  object Panel1: TPanel\n"
                               "    Width = 0\n"
                               "    object Label1: TLabel\n"
                               "      Caption = #65#66'C'\n"
                               "    end\n"
                               "  end\n"
                               "  object Button1: TButton\n"
                               "    OnClick = Button1Click\n"
                               "  end\n"
                               "end\n";

const String GoodTree = "TestForm: TTestForm @1\n"
                        "  Left = -8 @2\n"
                        "  Color = -2147483633 @3\n"
                        "  Caption = 'It's \r\ntwo lines joined' @4\n"
                        "  Hint = '" +
                        PlusMinus + "10 V or " + PlusMinus +
                        "5 V' @6\n"
                        "  Font.Name = 'MS Sans Serif' @7\n"
                        "  Align = alClient @8\n"
                        "  Visible = True @9\n"
                        "  Font.Style = [fsBold,fsItalic] @10\n"
                        "  Anchors = [] @11\n"
                        "  Lines.Strings = ('first''second''') @12\n"
                        "  Picture.Data = {0A1B2C3D4E} @16\n"
                        "  Panel1: TPanel @19\n"
                        "    Width = 0 @20\n"
                        "    Label1: TLabel @21\n"
                        "      Caption = 'ABC' @22\n"
                        "  Button1: TButton @25\n"
                        "    OnClick = Button1Click @26\n";

TEST(DescriptionParserTest, ReadsEveryKindOfValueWithItsLine) {
    EXPECT_EQ(Dump(Parse(GoodDescription)), GoodTree);
}

TEST(DescriptionParserTest, WindowsLineEndsGiveTheSameTree) {
    EXPECT_EQ(Dump(Parse(WithCrLf(GoodDescription))), GoodTree);
}

TEST(DescriptionParserTest, MalformedTextNamesTheLineOfTheFault) {
    struct Case {
        const char* What;
        String Text;
        int Line;
        String Detail; // a part of the message that says what is wrong
    };
    const Case cases[] = {
        {"missing end", "object A: TForm\n  Left = 1", 2, "\"end\" of A"},
        {"missing outer end", "object A: TForm\n  object B: TPanel\n    Left = 1\n  end", 4,
         "\"end\" of A"},
        {"missing =", "object A: TForm\n  Left 1\nend\n", 2, "\"=\""},
        {"missing colon", "object A TForm\nend\n", 1, "\":\""},
        {"no object", "\n\nobjekt A: TForm\nend\n", 3, "\"object\""},
        {"empty text", "", 1, "\"object\""},
        {"unterminated string", "object A: TForm\n  Caption = 'abc\nend\n", 2, "unterminated"},
        {"string cut by the end", "object A: TForm\n\n  Caption = 'abc", 3, "unterminated"},
        {"character code without number", "object A: TForm\n  Caption = 'a'#\nend\n", 2, "\"#\""},
        {"+ without a string", "object A: TForm\n  Caption = 'a' +\n    5\nend\n", 3, "\"+\""},
        {"odd hex digits", "object A: TForm\n  Data = {ABC}\nend\n", 2, "odd"},
        {"bad hex digit", "object A: TForm\n  Data = {\n    0A1B\n    2G}\nend\n", 4, "'G'"},
        {"unclosed hex", "object A: TForm\n  Data = {\n    0A1B", 3, "\"}\""},
        {"bad character", "object A: TForm\n  Left = 1;\nend\n", 2, "';'"},
        {"malformed number", "object A: TForm\n  Left = 12ab\nend\n", 2, "number"},
        {"text after the end", "object A: TForm\nend\nend\n", 3, "after"},
        {"set without comma", "object A: TForm\n  Anchors = [akLeft akTop]\nend\n", 2, "set"},
        {"set ending in comma", "object A: TForm\n  Anchors = [akLeft,\n  ]\nend\n", 3, "set"},
        {"number in a string list", "object A: TForm\n  Items = (\n    'a'\n    5)\nend\n", 4,
         "list"},
    };
    for (const Case& c : cases) {
        try {
            Parse(c.Text);
            ADD_FAILURE() << c.What << ": no error";
        } catch (const EReadError& error) {
            EXPECT_TRUE(ReportsLineAndFault(error.what(), c.Line, c.Detail)) << c.What;
        }
    }
}

} // namespace
