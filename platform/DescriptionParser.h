#pragma once

#include "DescriptionNode.h"

// Reads the text of a stored form description into its tree of objects and
// property values. Malformed text raises EReadError naming the line.
//
//   object MainForm: TMainForm
//     Caption = 'Setup'          strings in single quotes, '' for a quote,
//     Font.Style = []            #13 for a character by number, + to join
//     object Exit2: TMenuItem    children nest under their parent
//       OnClick = Exit2Click
//     end
//   end
class TDescriptionParser {
public:
    TDescriptionParser(const String& text, const String& sourceName);
    TDescriptionObject Parse();

private:
    enum TTokenKind { tkEnd, tkIdentifier, tkInteger, tkString, tkSymbol, tkHexData };
    struct TToken {
        TTokenKind Kind = tkEnd;
        String Text;
        std::vector<std::uint8_t> Data;
        long long Integer = 0;
        char Symbol = 0;
        int Line = 1;
    };

    TDescriptionObject ParseObject();
    TDescriptionProperty ParseProperty();
    TDescriptionValue ParseValue();
    TDescriptionValue ParseSet();
    TDescriptionValue ParseStringList();
    TDescriptionValue ParseBinary();
    String ParseStringExpression();

    void Next();
    TToken ReadToken();
    String ReadQuotedOrCharacterCodes();
    std::vector<std::uint8_t> ReadHexData();
    void SkipBlanks();
    bool IsSymbol(char symbol) const;
    void Expect(char symbol, const char* what);
    String ExpectIdentifier(const char* what);
    [[noreturn]] void Fail(const String& message, int line) const;
    [[noreturn]] void Fail(const String& message) const { Fail(message, FToken.Line); }

    String FText;
    String FSourceName;
    std::size_t FPos = 0;
    int FLine = 1;
    TToken FToken;
    bool FInHexBlock = false;
};
