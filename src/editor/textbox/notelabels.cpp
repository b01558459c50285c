#include "notelabels.h"

#include "programtextbox.h"

#include "editor/common/windowmessages.h"
#include "files/twips.h"
#include "hints/hints.h"

namespace zimo
{

namespace
{

void setBackground(QLabel* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colour);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

QString htmlOf(const Hint& hint)
{
    QString html = hint.message.toHtmlEscaped();
    if (!hint.proposal.isEmpty()) {
        const QString quoted = (u'„' + hint.proposal + u'”').toHtmlEscaped();
        html.replace(quoted,
            QStringLiteral("<a href=\"fix\" title=\"%1\">%2</a>")
                .arg(windowmsg::applyProposal().toHtmlEscaped(), quoted));
    }
    return html;
}

} // namespace

HintView::HintView(QWidget* helpArea)
    : QLabel(helpArea)
{
    setObjectName(QStringLiteral("padoms"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(ptPixels(8.25));
    setFont(f);
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMargin(3);
    setBackground(this, QColor(255, 248, 225));
    setGeometry(helpArea->contentsRect());
    hide();
}

void HintView::showHints(const std::vector<Hint>& hints)
{
    if (hints.empty()) {
        hide();
        return;
    }
    QStringList parts;
    for (const Hint& hint : hints)
        parts.append(htmlOf(hint));
    setText(parts.join(QStringLiteral("<br>")));
    show();
    raise();
}

RunErrorNote::RunErrorNote(ProgramTextBox* box)
    : QLabel(box)
    , m_box(box)
{
    setObjectName(QStringLiteral("kludas_zina"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(ptPixels(8.25));
    setFont(f);
    setWordWrap(true);
    setMargin(3);
    setBackground(this, QColor(250, 222, 222));
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(150, 20, 20));
    setPalette(pal);
    connect(box, &ProgramTextBox::resized, this, [this] {
        if (!isHidden())
            place();
    });
    hide();
}

void RunErrorNote::showMessage(const QString& message)
{
    setText(message);
    show();
    place();
}

void RunErrorNote::clearMessage()
{
    if (isHidden())
        return;
    hide();
    m_box->setBottomMargin(0);
}

// Below the text, across the line numbers and the text, above the horizontal scroll bar.
void RunErrorNote::place()
{
    const QRect area = m_box->contentsRect();
    const int width = m_box->viewport()->geometry().right() + 1 - area.left();
    const int height = heightForWidth(width);
    m_box->setBottomMargin(height);
    const QRect viewport = m_box->viewport()->geometry();
    setGeometry(area.left(), viewport.bottom() + 1, width, height);
}

} // namespace zimo
