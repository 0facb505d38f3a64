#pragma once

#include "NMessageBoxParams.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;

// The host's message box: a frameless, skinned dialog with a title, a text,
// an optional check box and a row of buttons. ShowModel() answers the code
// of the button pressed, NoButton when the box was closed otherwise.
class NMessageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NMessageDialog(QWidget* parent = nullptr);

    // Answers a box in place of a user: gets what the box shows and returns
    // the code of the button it chooses (NoButton: closed without one).
    using Answerer = std::function<NStandardButton(const NMessageBoxParams& params)>;

    void Init(const NMessageBoxParams& params);
    // Runs the box, or asks the installed answerer without showing it.
    NStandardButton ShowModel();
    bool CheckBoxChecked() const;

    // A box with `text` and the buttons of `buttons` (Ok, or Ok and Cancel
    // for any other code); true when confirmed. The three texts are the
    // title and the two captions, standard ones when empty.
    // "Infomation" is the host kit's own spelling; callers depend on it.
    static bool Infomation(const QString& text, QWidget* parent, int buttons, const QString& title,
                           const QString& confirmText, const QString& cancelText, bool withCancel);
    // A Yes/No question; true for Yes. `defaultButton` (Confirm or No)
    // answers Enter.
    static bool Question_YesNo(const QString& text, QWidget* parent, int defaultButton, const QString& title,
                               const QString& yesText, int messageType);

    // For a host that runs without anyone at the screen: every box from now
    // on is answered by `answerer`, on the thread that shows it; an empty one
    // shows the boxes again.
    static void setAnswerer(Answerer answerer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString captionOf(int code, const NMessageBoxParams& params) const;
    void finish(int code);

    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    QCheckBox* m_checkBox = nullptr;
    QWidget* m_buttonRow = nullptr;
    NMessageBoxParams m_params;
    int m_result = NoButton;
    QPoint m_dragOffset;
};
