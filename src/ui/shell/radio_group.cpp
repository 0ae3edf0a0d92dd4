#include "shell/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kItemSpacing = 4;
constexpr int kMargin = 8;

}  // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    auto* column = new QVBoxLayout(this);
    column->setSpacing(kItemSpacing);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    for (int index = 0; index < items.size(); ++index) {
        auto* item = new QRadioButton(items[index], this);
        buttons_->addButton(item, index);
        column->addWidget(item);
    }
    column->addStretch();
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* item = buttons_->button(index)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it to check none.
    buttons_->setExclusive(false);
    for (QAbstractButton* item : buttons_->buttons()) item->setChecked(false);
    buttons_->setExclusive(true);
}

QRadioButton* RadioGroup::Item(int index) const {
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}

int RadioGroup::Count() const {
    return static_cast<int>(buttons_->buttons().size());
}
