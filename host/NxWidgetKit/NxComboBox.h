#pragma once

#include <QComboBox>

// A drop-down list in the kit's look: a raised field with the current text
// and a chevron, and a skinned popup list. Keys are QComboBox's: Up and Down
// pick the neighbouring item, Space, F4 or Alt+Down open the list.
class NxComboBox : public QComboBox
{
    Q_OBJECT

public:
    static NxComboBox* CreateComboBox(QWidget* parent);

    explicit NxComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyPopupSkin();

    bool m_popupShown = false;
};
