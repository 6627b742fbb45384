#include "ShownTexts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <algorithm>

namespace {

QString nameOf(const QWidget& widget) {
    if (!widget.objectName().isEmpty()) return widget.objectName();
    const QWidget* named = widget.parentWidget();
    while (named != nullptr && named->objectName().isEmpty()) named = named->parentWidget();
    const QString className = QString::fromLatin1(widget.metaObject()->className());
    return named == nullptr ? className : named->objectName() + u'/' + className;
}

int widestLine(const QWidget& widget, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    }
    return widest;
}

// The room the style leaves a button's caption: beside the indicator of a check box or an
// option, inside the bevel of a push button.
int captionRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<const QRadioButton*>(&button)) contents = QStyle::SE_RadioButtonContents;
    return button.style()->subElementRect(contents, &option, &button).width();
}

// A group's title starts after the style's margin; it fits when the same margin is left on the
// right.
int titleRoom(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return box.width() - 2 * label.left();
}

int editFieldRoom(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    return list.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
        .width();
}

void addTexts(const QWidget& widget, QList<ShownText>& texts) {
    const QString name = nameOf(widget);
    const auto caption = [&](const QString& text, int room) {
        if (!text.isEmpty()) texts.append({name, text, widestLine(widget, text), room});
    };
    const auto scrolling = [&](const QString& text) {
        if (!text.isEmpty()) texts.append({name, text});
    };
    scrolling(widget.toolTip());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        caption(button->text(), captionRoom(*button));
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap()) {
            scrolling(label->text());
        } else {
            caption(label->text(), label->contentsRect().width() - 2 * label->margin());
        }
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        caption(box->title(), titleRoom(*box));
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
        const int padding = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
        for (int i = 0; i < tabs->count(); ++i) {
            caption(tabs->tabText(i), tabs->tabRect(i).width() - padding);
        }
    } else if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        for (int i = 0; i < list->count(); ++i) {
            if (i != list->currentIndex()) scrolling(list->itemText(i));
        }
        caption(list->currentText(), editFieldRoom(*list));
    } else if (const auto* files = qobject_cast<const QListWidget*>(&widget)) {
        for (int i = 0; i < files->count(); ++i) scrolling(files->item(i)->text());
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        scrolling(edit->text());
        scrolling(edit->placeholderText());
    } else if (const auto* note = qobject_cast<const QPlainTextEdit*>(&widget)) {
        const bool fixed = note->lineWrapMode() == QPlainTextEdit::NoWrap &&
                           note->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff;
        if (!fixed) {
            scrolling(note->toPlainText());
        } else {
            const int margins = 2 * static_cast<int>(note->document()->documentMargin());
            caption(note->toPlainText().remove(u'\r'), note->viewport()->width() - margins);
        }
    }
}

}  // namespace

QList<ShownText> shownTexts(const QWidget& window) {
    QList<ShownText> texts{{window.objectName(), window.windowTitle()}};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->window() == &window) addTexts(*widget, texts);
    }
    return texts;
}
