#include "DescriptionParser.h"

#include "Component.h"
#include "Exception.h"

#include <cctype>
#include <utility>

namespace {

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendUtf8(String& out, unsigned long code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

} // namespace

int TDescriptionValue::AsInteger() const {
    if (Kind != vkInteger)
        throw Exception("an integer value is expected");
    if (Integer < -2147483648LL || Integer > 4294967295LL)
        throw Exception("the value " + std::to_string(Integer) + " is out of range");
    return int(Integer); // values above the signed range are colours and flags
}

bool TDescriptionValue::AsBoolean() const {
    if (Kind == vkIdentifier && SameText(Text, "True"))
        return true;
    if (Kind == vkIdentifier && SameText(Text, "False"))
        return false;
    throw Exception("True or False is expected");
}

const String& TDescriptionValue::AsString() const {
    if (Kind != vkString)
        throw Exception("a string value is expected");
    return Text;
}

const String& TDescriptionValue::AsIdentifier() const {
    if (Kind != vkIdentifier)
        throw Exception("an identifier is expected");
    return Text;
}

TDescriptionParser::TDescriptionParser(const String& text, const String& sourceName)
    : FText(text)
    , FSourceName(sourceName) {}

TDescriptionObject TDescriptionParser::Parse() {
    Next();
    TDescriptionObject root = ParseObject();
    if (FToken.Kind != tkEnd)
        Fail("text after the final \"end\"");
    return root;
}

TDescriptionObject TDescriptionParser::ParseObject() {
    if (FToken.Kind != tkIdentifier || !SameText(FToken.Text, "object"))
        Fail("\"object\" expected");
    TDescriptionObject object;
    object.Line = FToken.Line;
    Next();
    object.Name = ExpectIdentifier("a component name");
    Expect(':', "\":\" after the component name");
    object.ClassName = ExpectIdentifier("a class name");
    for (;;) {
        if (FToken.Kind == tkEnd)
            Fail("\"end\" of " + object.Name + " missing");
        if (FToken.Kind != tkIdentifier)
            Fail("a property name, \"object\" or \"end\" expected");
        if (SameText(FToken.Text, "end")) {
            Next();
            return object;
        }
        if (SameText(FToken.Text, "object"))
            object.Children.push_back(ParseObject());
        else
            object.Properties.push_back(ParseProperty());
    }
}

TDescriptionProperty TDescriptionParser::ParseProperty() {
    TDescriptionProperty property;
    property.Line = FToken.Line;
    property.Name = FToken.Text;
    Next();
    Expect('=', "\"=\" after the property name");
    property.Value = ParseValue();
    return property;
}

TDescriptionValue TDescriptionParser::ParseValue() {
    TDescriptionValue value;
    switch (FToken.Kind) {
    case tkInteger:
        value.Kind = TDescriptionValue::vkInteger;
        value.Integer = FToken.Integer;
        Next();
        return value;
    case tkString:
        value.Kind = TDescriptionValue::vkString;
        value.Text = ParseStringExpression();
        return value;
    case tkIdentifier:
        value.Kind = TDescriptionValue::vkIdentifier;
        value.Text = FToken.Text;
        Next();
        return value;
    case tkHexData:
        return ParseBinary();
    case tkSymbol:
        if (FToken.Symbol == '[')
            return ParseSet();
        if (FToken.Symbol == '(')
            return ParseStringList();
        break;
    default:
        break;
    }
    Fail("a value expected");
}

TDescriptionValue TDescriptionParser::ParseSet() {
    TDescriptionValue value;
    value.Kind = TDescriptionValue::vkSet;
    Next();
    if (IsSymbol(']')) {
        Next();
        return value;
    }
    for (;;) {
        value.Items.push_back(ExpectIdentifier("a set element"));
        if (IsSymbol(']')) {
            Next();
            return value;
        }
        Expect(',', "\",\" or \"]\" in a set");
    }
}

TDescriptionValue TDescriptionParser::ParseStringList() {
    TDescriptionValue value;
    value.Kind = TDescriptionValue::vkStringList;
    Next();
    while (!IsSymbol(')')) {
        if (FToken.Kind != tkString)
            Fail("a string or \")\" expected in a list");
        value.Items.push_back(ParseStringExpression());
    }
    Next();
    return value;
}

TDescriptionValue TDescriptionParser::ParseBinary() {
    TDescriptionValue value;
    value.Kind = TDescriptionValue::vkBinary;
    value.Data = std::move(FToken.Data);
    Next();
    return value;
}

String TDescriptionParser::ParseStringExpression() {
    String text = FToken.Text;
    Next();
    while (IsSymbol('+')) {
        Next();
        if (FToken.Kind != tkString)
            Fail("a string expected after \"+\"");
        text += FToken.Text;
        Next();
    }
    return text;
}

void TDescriptionParser::Next() {
    FToken = ReadToken();
}

void TDescriptionParser::SkipBlanks() {
    while (FPos < FText.size()) {
        char c = FText[FPos];
        if (c == '\n')
            ++FLine;
        else if (c != ' ' && c != '\t' && c != '\r')
            return;
        ++FPos;
    }
}

TDescriptionParser::TToken TDescriptionParser::ReadToken() {
    SkipBlanks();
    TToken token;
    token.Line = FLine;
    if (FPos >= FText.size())
        return token;
    char c = FText[FPos];
    if (IsIdentStart(c)) {
        std::size_t start = FPos;
        while (FPos < FText.size() && IsIdentChar(FText[FPos]))
            ++FPos;
        token.Kind = tkIdentifier;
        token.Text = FText.substr(start, FPos - start);
    } else if (IsDigit(c) ||
               ((c == '-' || c == '+') && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1]))) {
        std::size_t start = FPos;
        ++FPos;
        while (FPos < FText.size() && IsDigit(FText[FPos]))
            ++FPos;
        if (FPos < FText.size() && (IsIdentChar(FText[FPos]) || FText[FPos] == '.'))
            Fail("malformed number", token.Line);
        String digits = FText.substr(start, FPos - start);
        if (digits.size() > 12)
            Fail("number " + digits + " out of range", token.Line);
        token.Kind = tkInteger;
        token.Integer = std::stoll(digits);
    } else if (c == '\'' || c == '#') {
        token.Kind = tkString;
        token.Text = ReadQuotedOrCharacterCodes();
    } else if (c == '{') {
        ++FPos;
        token.Kind = tkHexData;
        token.Data = ReadHexData();
    } else if (String("=:[](),+<>").find(c) != String::npos) {
        ++FPos;
        token.Kind = tkSymbol;
        token.Symbol = c;
    } else {
        Fail(String("unexpected character '") + c + "'", token.Line);
    }
    return token;
}

String TDescriptionParser::ReadQuotedOrCharacterCodes() {
    String text;
    while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) {
        if (FText[FPos] == '#') {
            ++FPos;
            std::size_t start = FPos;
            while (FPos < FText.size() && IsDigit(FText[FPos]) && FPos - start < 8)
                ++FPos;
            if (FPos == start)
                Fail("a character number expected after \"#\"", FLine);
            unsigned long code = std::stoul(FText.substr(start, FPos - start));
            if (code > 0x10FFFF)
                Fail("character number out of range", FLine);
            AppendUtf8(text, code);
            continue;
        }
        ++FPos; // opening quote
        for (;;) {
            if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
                Fail("unterminated string", FLine);
            if (FText[FPos] == '\'') {
                if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                    text += '\'';
                    FPos += 2;
                    continue;
                }
                ++FPos;
                break;
            }
            text += FText[FPos++];
        }
    }
    return text;
}

// Reads the digits up to the closing brace straight into bytes: the board
// photograph alone is over a hundred thousand of them.
std::vector<std::uint8_t> TDescriptionParser::ReadHexData() {
    std::vector<std::uint8_t> data;
    std::size_t close = FText.find('}', FPos);
    if (close != String::npos)
        data.reserve((close - FPos) / 2);
    int high = -1; // the first digit of a byte, while its second is awaited
    for (;;) {
        SkipBlanks();
        if (FPos >= FText.size())
            Fail("binary data without its closing \"}\"", FLine);
        char c = FText[FPos++];
        if (c == '}')
            break;
        int digit = HexDigitValue(c);
        if (digit < 0)
            Fail(String("'") + c + "' in binary data", FLine);
        if (high < 0) {
            high = digit;
        } else {
            data.push_back(std::uint8_t(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0)
        Fail("binary data with an odd number of hexadecimal digits", FLine);
    return data;
}

bool TDescriptionParser::IsSymbol(char symbol) const {
    return FToken.Kind == tkSymbol && FToken.Symbol == symbol;
}

void TDescriptionParser::Expect(char symbol, const char* what) {
    if (!IsSymbol(symbol))
        Fail(String(what) + " expected");
    Next();
}

String TDescriptionParser::ExpectIdentifier(const char* what) {
    if (FToken.Kind != tkIdentifier || !IsValidIdent(FToken.Text))
        Fail(String(what) + " expected");
    String text = FToken.Text;
    Next();
    return text;
}

void TDescriptionParser::Fail(const String& message, int line) const {
    throw EReadError(FSourceName + " line " + std::to_string(line) + ": " + message);
}
