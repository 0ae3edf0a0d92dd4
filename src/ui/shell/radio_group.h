#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons chosen by index, one under the other.
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    // The checked item, or -1 when none is.
    int ItemIndex() const;
    // Checks an item without telling anyone; an index outside the items checks none.
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;
    int Count() const;

  signals:
    // The player checked an item.
    void itemClicked(int index);

  private:
    QButtonGroup* buttons_ = nullptr;
};
