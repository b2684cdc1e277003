#include "app/widgets/pagewidgets.h"

#include <QApplication>
#include <QFontMetrics>

#include "app/widgets/fieldspinbox.h"

namespace tarnik {

QLabel* captionLabel(const QString& text, QWidget* parent, bool wrap) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setWordWrap(wrap);
    return l;
}

QLabel* buddyCaption(const QString& text, QWidget* buddy, QWidget* parent, bool wrap) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(wrap);
    l->setBuddy(buddy);
    return l;
}

QLabel* valueBox(const QString& objectName, QWidget* parent, int minimumChars) {
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    l->setTextFormat(Qt::PlainText);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QString(minimumChars, QLatin1Char('0'))) +
                       12);
    return l;
}

FieldSpinBox* numberField(const QString& objectName, int min, int max, QWidget* parent) {
    auto* f = new FieldSpinBox(parent);
    f->setObjectName(objectName);
    f->setRange(min, max);
    return f;
}

void setBold(QWidget* w, bool bold) {
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

void dropFocus(QWidget* page) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && page->isAncestorOf(focus)) focus->clearFocus();
}

} // namespace tarnik
