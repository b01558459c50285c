#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace zimo
{

/// A command word from another turtle language and what it is here.
struct ForeignCommand {
    /// The word as the line writes it.
    QString word;
    /// The hint's message, with the proposal in it when one was taken.
    QString message;
    /// The Latvian line with the line's own numbers; empty when there is no one line.
    QString proposal;
};

/// The text's first word when it is a command of another turtle language (forward, fd,
/// left, goto, repeat, pencolor, ...), with the Latvian line meant: its numbers carried
/// over. accept decides whether a proposal may be offered.
std::optional<ForeignCommand> foreignCommand(
    QStringView text, const std::function<bool(const QString&)>& accept);

/// The colour number a colour's name stands for, in English or in Latvian (any ending,
/// with or without the marks of the letters); 0 when the word names no colour.
int colourNumberOf(QStringView word);

} // namespace zimo
