#include "taskpanel.h"

#include "taskwindowmessages.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zimo
{

namespace
{

QLabel* wrapping(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A font a share larger than the window's, which follows the window's scale.
QFont larger(const QFont& base, double factor, bool bold)
{
    QFont font = base;
    if (base.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(base.pixelSize() * factor + 0.5)));
    else
        font.setPointSizeF(base.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

TaskPanel::TaskPanel(QWidget* parent)
    : QFrame(parent)
    , m_title(wrapping(this, "uzdevuma_nosaukums"))
    , m_instruction(wrapping(this, "uzdevuma_teksts"))
    , m_result(wrapping(this, "uzdevuma_rezultats"))
    , m_target(new QCheckBox(taskwinmsg::showTarget(), this))
    , m_leave(new QPushButton(taskwinmsg::leaveTask(), this))
{
    setObjectName(QStringLiteral("uzdevums"));
    setAccessibleName(taskwinmsg::panelName());
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_target->setObjectName(QStringLiteral("radit_paraugu"));
    m_target->setToolTip(taskwinmsg::showTargetTip());
    m_target->setChecked(true);
    m_leave->setObjectName(QStringLiteral("beigt_uzdevumu"));
    auto* layout = new QVBoxLayout(this);
    for (QWidget* part : std::initializer_list<QWidget*> { m_title, m_instruction, m_result })
        layout->addWidget(part);
    layout->addStretch();
    layout->addWidget(m_target);
    layout->addWidget(m_leave);
    connect(m_target, &QCheckBox::toggled, this, &TaskPanel::targetToggled);
    connect(m_leave, &QPushButton::clicked, this, &TaskPanel::leaveRequested);
    applyFonts();
}

void TaskPanel::showTask(const QString& title, const QString& instruction)
{
    m_title->setText(title);
    m_instruction->setText(instruction);
    clearResult();
}

void TaskPanel::showResult(const QString& sentence, bool solved)
{
    m_solved = solved;
    m_result->setText(sentence);
    // Green for a solved task; a nudge in a warm brown, never an alarming red.
    m_result->setStyleSheet(solved ? QStringLiteral("color: rgb(0, 128, 0);")
                                   : QStringLiteral("color: rgb(150, 75, 0);"));
    applyFonts();
}

void TaskPanel::clearResult()
{
    m_solved = false;
    m_result->setText(taskwinmsg::tryIt());
    m_result->setStyleSheet(QStringLiteral("color: rgb(64, 64, 64);"));
    applyFonts();
}

bool TaskPanel::targetShown() const { return m_target->isChecked(); }

void TaskPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFonts();
}

void TaskPanel::applyFonts()
{
    const QFont base = font();
    m_title->setFont(larger(base, 1.5, true));
    m_instruction->setFont(larger(base, 1.2, false));
    m_result->setFont(larger(base, m_solved ? 1.8 : 1.3, true));
    emit textsChanged();
}

} // namespace zimo
