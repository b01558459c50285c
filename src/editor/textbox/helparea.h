#pragma once

#include "commandhelp.h"

#include <QFrame>

#include <array>

class QLabel;

namespace zimo
{

/// The help area Frame1: the help row (l_c, l_help, l_c2, l_help2) and the example piem.
///
/// Owns the help buffer and row that paskaidro works on as the learner types. The row labels size
/// themselves to their texts; when a label's text changes, the next one moves to stand a fixed gap
/// to the right of it. l_c and piem never move.
class HelpArea : public QFrame
{
public:
    /// 100 twips between a row label's right edge and the next label: 7 pixels at 100 %.
    static constexpr int GapTwips = 100;
    static constexpr int Gap = 7;

    explicit HelpArea(QWidget* parent);

    /// The help buffer and row that paskaidro works on; showRow() puts the row on screen.
    QString& buffer() { return m_buffer; }
    HelpRow& row() { return m_row; }
    void showRow();
    /// A character reached the program text box: explains what has been typed.
    void typed(const QString& character);
    /// Places the labels and sizes their fonts for the current scale.
    void layOut();

    QLabel* l_c() const { return m_c; }
    QLabel* l_help() const { return m_help; }
    QLabel* l_c2() const { return m_c2; }
    QLabel* l_help2() const { return m_help2; }
    QLabel* piem() const { return m_example; }

private:
    void setRowText(int index, const QString& text);
    void fitToText(QLabel* label);

    QString m_buffer;
    HelpRow m_row;
    QLabel* m_c;
    QLabel* m_help;
    QLabel* m_c2;
    QLabel* m_help2;
    QLabel* m_example;
    /// Which row labels have moved to follow the label before them.
    std::array<bool, 4> m_flowed {};
};

} // namespace zimo
