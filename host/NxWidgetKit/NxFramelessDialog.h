#pragma once

#include "NxDialog.h"

class NxTopLevelWindowTitleBar;
class QVBoxLayout;

// A kit dialog without the system frame: the skin's rounded surface, the
// kit's title bar on top, the content widget below it and an optional
// bottom bar. Closing from the title bar goes through close(), so the
// dialog's close guard runs.
class NxFramelessDialog : public NxDialog
{
    Q_OBJECT

public:
    // `modal`: blocks its parent window while shown. `shadowed` asks for a
    // drop shadow, which on Linux the compositor draws round every window.
    NxFramelessDialog(QWidget* parent, bool modal, bool shadowed);
    ~NxFramelessDialog() override;

    NxTopLevelWindowTitleBar* GetTitleBar() const;
    void SetTitleName(const QString& title, bool centred);
    void SetContentWidget(QWidget* content);
    void SetBottomBarVisible(bool visible);
    QWidget* GetBottomBar() const;

    virtual void RetranslateUi() {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    NxTopLevelWindowTitleBar* m_titleBar = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_content = nullptr;
    QWidget* m_bottomBar = nullptr;
};
