#pragma once

#include "hints/hints.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace zimo
{

/// The line with length characters at at replaced by text.
QString spliced(const QString& line, qsizetype at, qsizetype length, const QString& text);

/// Works out the hints of one line: what the line itself does otherwise than it seems to
/// (checked against the names the run brings to it), and what the program's structure does
/// to it (its blocks, calls, jumps and pen). A proposal is only offered when the line it
/// proposes reads well in the same place.
class LineChecker
{
public:
    LineChecker(
        int n, const QStringList& lines, const ProgramFacts& facts, const LineContext& context);

    std::vector<Hint> check(const QString& line, const LineReading& reading);

private:
    /// A candidate for this line reads well: some command acts on it and it draws no hint of
    /// its own.
    bool readsWell(const QString& candidate) const;
    std::vector<Hint> run();
    void add(const QString& message, const QString& proposal = {});
    QStringView textOf(const Reading& r) const;
    bool knownHere(const QString& name) const;

    // The line itself.
    void checkIdle(const Reading& r);
    bool checkUnknownWords();
    void checkFields(const Reading& r);
    void checkBlankAfterComma(const Reading& r, QStringView text);
    bool checkPassedOver(const Reading& r, QStringView text);
    QString mendPassedOver(
        const Reading& r, qsizetype end, const QString& skipped, const QString& field) const;
    void checkValues(const Reading& r, const std::vector<Field>& fields);
    void checkName(const QString& name, qsizetype at, const Reading& r);
    void checkUnknownName(const QString& name, qsizetype at, const Reading& r);
    bool checkColourName(const QString& name, qsizetype at, const Reading& r);
    QString signFix(const QString& name, qsizetype at, const Reading& r) const;
    void checkJump(QStringView label);
    void checkCondition(const Reading& r);

    // The program's structure (structurehints.cpp).
    void checkStructure();
    void checkBlocks();
    void checkCalls();
    void checkConditional();
    void checkThen();

    int m_n;
    const QStringList& m_lines;
    const ProgramFacts& m_facts;
    const LineContext& m_context;
    /// False while a candidate is checked: its structure and proposals are not looked at.
    bool m_whole = true;
    QString m_line;
    const LineReading* m_reading = nullptr;
    std::vector<Hint> m_hints;
};

} // namespace zimo
