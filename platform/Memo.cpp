#include "Memo.h"

#include "PropertyTable.h"

#include <QPlainTextEdit>
#include <QStringList>

void TMemo::DefineProperties(TPropertyTable& table) {
    TWinControl::DefineProperties(table);
    table.Lines<TMemo>("Lines.Strings", [](TMemo& memo, const std::vector<String>& lines) {
        TStrings text;
        for (const String& line : lines)
            text.Add(line);
        memo.Lines().Assign(text);
    });
    table.Boolean<TMemo>("ReadOnly", &TMemo::SetReadOnly);
    table.Enumeration<TMemo, TScrollStyle>("ScrollBars", &TMemo::SetScrollBars,
                                           {{"ssNone", ssNone},
                                            {"ssHorizontal", ssHorizontal},
                                            {"ssVertical", ssVertical},
                                            {"ssBoth", ssBoth}});
}

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, new QPlainTextEdit()) {
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetScrollBars(ssNone);
    FLines.OnChange = [this] { ShowLines(); };
    SetBounds(0, 0, 185, 89);
}

void TMemo::ShowLines() {
    QStringList lines;
    for (const String& line : FLines.Lines())
        lines.append(QString::fromStdString(line));
    static_cast<QPlainTextEdit*>(Widget())->setPlainText(lines.join('\n'));
}

void TMemo::SetReadOnly(bool readOnly) {
    FReadOnly = readOnly;
    static_cast<QPlainTextEdit*>(Widget())->setReadOnly(readOnly);
}

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
    FScrollBars = scrollBars;
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    bool vertical = scrollBars == ssVertical || scrollBars == ssBoth;
    bool horizontal = scrollBars == ssHorizontal || scrollBars == ssBoth;
    edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Without a horizontal scroll bar long lines wrap, as they do in a classic memo.
    edit->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}
