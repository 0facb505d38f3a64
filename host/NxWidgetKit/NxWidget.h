#pragma once

#include "NxSkinColor.h"

#include <QWidget>

// Base of the host's widgets: texts are re-read whenever the application's
// language changes, and an optional skin background follows skin switches.
class NxWidget : public QWidget
{
    Q_OBJECT

public:
    explicit NxWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // Re-read the widget's user-visible texts; called on every language change.
    virtual void RetranslateUi() {}
    virtual void TranslateText() {}

    // Paint the whole widget in this skin colour (a background role).
    void SetBGColorType(const NxSkinColor::NxColorType& type);

    // The dynamic property through which a widget names its background by
    // the kit's background type number instead; type 5 is the raised
    // surface of a settings area (Varnelo_Background_Surface2). Other
    // numbers paint nothing.
    static constexpr const char* BGColorTypeProperty = "BGColorType";

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_hasBackground = false;
    NxSkinColor::NxColorType m_background = NxSkinColor::Varnelo_Background_Surface1;
};
