#include "PromptDialog.h"

#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "SchemeColor.h"
#include "WindowHelpers.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace vantorel {

namespace {

QList<Prompter::Answer> answersOf(Prompter::Buttons buttons) {
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return {Prompter::Answer::Ok};
    case Prompter::Buttons::OkCancel:
        return {Prompter::Answer::Ok, Prompter::Answer::Cancel};
    case Prompter::Buttons::YesNo:
        return {Prompter::Answer::Yes, Prompter::Answer::No};
    case Prompter::Buttons::YesNoCancel:
        return {Prompter::Answer::Yes, Prompter::Answer::No, Prompter::Answer::Cancel};
    }
    return {Prompter::Answer::Ok};
}

QString labelOf(Prompter::Answer answer) {
    switch (answer) {
    case Prompter::Answer::Ok:
        return QStringLiteral("OK");
    case Prompter::Answer::Cancel:
        return QStringLiteral("Cancel");
    case Prompter::Answer::Yes:
        return QStringLiteral("Yes");
    case Prompter::Answer::No:
        return QStringLiteral("No");
    }
    return QString();
}

QStyle::StandardPixmap pixmapOf(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information:
        return QStyle::SP_MessageBoxInformation;
    case Prompter::Icon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    case Prompter::Icon::Error:
        return QStyle::SP_MessageBoxCritical;
    case Prompter::Icon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case Prompter::Icon::None:
        break;
    }
    return QStyle::SP_CustomBase;
}

} // namespace

PromptDialog::PromptDialog(const QString& caption, const QString& text, Prompter::Icon icon,
                           Prompter::Buttons buttons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_answers(answersOf(buttons)), m_icon(icon) {
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    // Over a scaled screen the box is drawn in proportion to it.
    if (const auto* form = qobject_cast<const FullScreenForm*>(parent ? parent->window() : nullptr))
        m_scale = form->scaleFactor();
    const auto px = [this](int designPixels) { return qRound(designPixels * m_scale); };
    setFont(FullScreenForm::designFont(px(14)));
    setStyleSheet(
        QStringLiteral("PromptDialog { border: 1px solid %1; }").arg(SchemeColor(3).darker(130).name()));
    QPalette p = palette();
    p.setColor(QPalette::Window, SchemeColor(2));
    setPalette(p);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, px(12));
    layout->setSpacing(px(10));
    m_titleBar = new GradientPanel(this);
    m_titleBar->setObjectName(QStringLiteral("caption"));
    m_titleBar->setColors(SchemeColor(2), SchemeColor(3));
    m_titleBar->setHorizontal(true);
    m_titleBar->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_titleBar->setFont(FullScreenForm::designFont(px(14), true));
    m_titleBar->setTextMargin(px(8));
    m_titleBar->setText(caption);
    m_titleBar->setFixedHeight(px(26));
    layout->addWidget(m_titleBar);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(px(16), px(4), px(16), 0);
    body->setSpacing(px(14));
    if (icon != Prompter::Icon::None) {
        auto* picture = new QLabel(this);
        const int size = px(32);
        picture->setPixmap(style()->standardIcon(pixmapOf(icon)).pixmap(size, size));
        picture->setAlignment(Qt::AlignTop);
        body->addWidget(picture);
    }
    m_text = new QLabel(WithLineFeeds(text), this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setTextFormat(Qt::PlainText);
    body->addWidget(m_text, 1);
    layout->addLayout(body);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(px(16), 0, px(16), 0);
    row->addStretch();
    for (const Prompter::Answer a : m_answers) {
        auto* b = new QPushButton(labelOf(a), this);
        b->setObjectName(labelOf(a));
        b->setMinimumSize(px(80), px(30));
        b->setAutoDefault(a == m_answers.first());
        b->setDefault(a == m_answers.first());
        connect(b, &QPushButton::clicked, this, [this, a] { answerWith(a); });
        row->addWidget(b);
    }
    layout->addLayout(row);
}

QString PromptDialog::caption() const {
    return m_titleBar->text();
}

QString PromptDialog::text() const {
    return m_text->text();
}

void PromptDialog::addInput(int maxLength, bool masked) {
    if (m_input)
        return;
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("answer"));
    if (maxLength > 0)
        m_input->setMaxLength(maxLength);
    m_input->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* row = new QHBoxLayout;
    row->setContentsMargins(qRound(16 * m_scale), 0, qRound(16 * m_scale), 0);
    row->addWidget(m_input);
    layout->insertLayout(layout->count() - 1, row);
    m_input->setFocus();
}

QString PromptDialog::input() const {
    return m_input ? m_input->text() : QString();
}

void PromptDialog::answerWith(Prompter::Answer answer) {
    m_answer = answer;
    const bool accepted = answer == Prompter::Answer::Ok || answer == Prompter::Answer::Yes;
    done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

int PromptDialog::exec() {
    adjustSize();
    // Centred over the window it belongs to (or the screen), as the window manager would do.
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area = over ? over->frameGeometry() : QRect();
    if (!area.isValid() && QGuiApplication::primaryScreen())
        area = QGuiApplication::primaryScreen()->geometry();
    if (area.isValid())
        move(area.center() - rect().center());
    return QDialog::exec();
}

void PromptDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        answerWith(m_answers.last());
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_input) {
        answerWith(m_answers.first());
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vantorel
