#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace zimo
{

/// The help row under the toolbar: keyword, what its arguments are, a second keyword and
/// its arguments, and an example line.
struct HelpRow {
    QString command;
    QString help;
    QString command2;
    QString help2;
    QString example;
};

/// One help rule: when the typed text holds `text` (and `alsoNeeded`, and not `mustLack`),
/// the row shows these texts.
struct HelpRule {
    QStringView text;
    QStringView alsoNeeded;
    QStringView mustLack;
    QStringView command;
    QStringView help;
    QStringView command2;
    QStringView help2;
    QStringView example;
    /// "lenkis" keeps the typed text, so that "lenkis pa labi" can still be recognised.
    bool keepsBuffer = false;
};

/// The 29 rules, in the order they are tried.
std::span<const HelpRule> helpRules();
/// The five movement keywords and their argument text.
std::span<const QStringView> movementKeywords();
inline constexpr QStringView MovementHelp = u"cik daudz";

/// Updates the help row for the recently typed text in buffer: the second keyword, its
/// arguments and the example are cleared, then the movement keywords and the rules are
/// tried in order. A recognised command empties the buffer (except "lenkis").
void paskaidro(QString& buffer, HelpRow& row);

} // namespace zimo
