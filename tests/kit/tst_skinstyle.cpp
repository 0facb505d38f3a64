#include "INxSkinEventHandler.h"
#include "NxDataColumns.h"
#include "NxSingleton.h"
#include "NxSkinChangeEvent.h"
#include "NxSkinPalette.h"
#include "NxSkinStyle.h"
#include "StringOperation.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>

using C = NxSkinColor;

namespace {

NxSkinStyle* style() { return NxSingleton<NxSkinStyle>::instance(); }

qreal luminance(const QColor& c)
{
    auto lin = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// What a (possibly translucent) role looks like laid on the skin's panel surface.
QColor onSurface(C::NxColorType role)
{
    const QColor top = style()->GetColor(role), base = style()->GetColor(C::Varnelo_Background_Surface2);
    const qreal a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + base.redF() * (1 - a), top.greenF() * a + base.greenF() * (1 - a),
                            top.blueF() * a + base.blueF() * (1 - a));
}

// WCAG contrast of a role against a surface, both as the user sees them.
qreal contrast(C::NxColorType role, C::NxColorType surface = C::Varnelo_Background_Surface2)
{
    const qreal a = luminance(onSurface(role)), b = luminance(onSurface(surface));
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

// Not blank: a fair share of the picture is drawn at least half opaque.
bool looksDrawn(const QImage& image)
{
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) >= 128;
    return drawn * 25 >= image.width() * image.height();
}

struct Recorder : INxSkinEventHandler
{
    std::function<void()> onChange;
    QList<NxSkinChangeEvent> events;
    void OnSkinChanged(NxSkinChangeEvent* event) override
    {
        events << *event;
        if (onChange)
            onChange();
    }
};

} // namespace

class SkinStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { style()->SetSkinKind(NxSkinPalette::DarkSkin); }

    void skinColoursReadAsIntended_data()
    {
        columns<int, bool>({"skin", "textIsLighterThanSurface"});
        QTest::newRow("dark skin: light text on dark surfaces") << int(NxSkinPalette::DarkSkin) << true;
        QTest::newRow("light skin: dark text on light surfaces") << int(NxSkinPalette::LightSkin) << false;
    }
    void skinColoursReadAsIntended()
    {
        QFETCH(int, skin); QFETCH(bool, textIsLighterThanSurface);
        style()->SetSkinKind(skin);
        for (int role = 0; role < C::ColorTypeCount; ++role)
            QVERIFY2(style()->GetColor(C::NxColorType(role)).isValid(), qPrintable(C::Name(C::NxColorType(role))));
        QVERIFY(!style()->GetColor(C::ColorTypeCount).isValid());

        QCOMPARE(luminance(onSurface(C::Text_Icon_Primary)) > luminance(onSurface(C::Varnelo_Background_Surface2)),
                 textIsLighterThanSurface);
        for (C::NxColorType surface : {C::Varnelo_Background_Surface1, C::Varnelo_Background_Surface3})
            QVERIFY2(contrast(C::Text_Icon_Primary, surface) >= 7.0, qPrintable(C::Name(surface)));
        // Emphasis falls from primary to quaternary; the first two stay readable.
        QVERIFY(contrast(C::Text_Icon_Primary) >= 7.0);
        QVERIFY(contrast(C::Text_Icon_Secondary) >= 4.5);
        QVERIFY(contrast(C::Text_Icon_Secondary) > contrast(C::Text_Icon_Tertiary));
        QVERIFY(contrast(C::Text_Icon_Tertiary) > contrast(C::Text_Icon_Quaternary));
        QVERIFY(contrast(C::Text_Icon_Quaternary) > contrast(C::Component_Divider_Secondary));
        QVERIFY(contrast(C::State_Pressed) > contrast(C::State_Hover));
        QVERIFY(contrast(C::State_Hover) > 1.05);
        for (C::NxColorType signal : {C::VarneloX_Primary, C::Alert_Danger, C::Alert_Success})
            QVERIFY2(contrast(signal) >= 2.5, qPrintable(C::Name(signal)));

        // What a skin is made of must not carry over to the other one.
        for (C::NxColorType role : {C::Varnelo_Background_Surface1, C::Varnelo_Background_Surface2,
                                    C::Varnelo_Background_Surface3, C::Text_Icon_Primary, C::Text_Icon_Quaternary,
                                    C::Component_Divider_Secondary, C::State_Hover, C::VarneloX_Primary})
            QVERIFY2(style()->GetColor(role) != NxSkinPalette::Color(1 - skin, role), qPrintable(C::Name(role)));
    }

    void resourcesResolveToSkinnedImages_data()
    {
        // size: 0: not the skin's, so handed back as given
        // differentStates: a button's other looks
        columns<QString, int, QStringList>({"path", "size", "differentStates"});
        auto image = [](const QString& name, int size, const QStringList& others = {}) {
            auto path = [](const QString& n) { return ":/Resource/" + n + ".png"; };
            QStringList otherPaths;
            for (const QString& other : others)
                otherPaths << path(other);
            QTest::addRow("%s is a %dpx picture", qPrintable(name), size) << path(name) << size << otherPaths;
        };
        for (const char* icon : {"icon24_music-normal", "icon24_videotype-normal", "icon24_allclip", "icon24_voice",
                                 "correct-normal", "alert-normal"})
            image(icon, 24);
        for (const QString stem : {"icon24_delete", "status-refresh", "cart"}) {
            image(stem + "-normal", 24);
            image(stem + "-hover", 24, {stem + "-normal"});
            image(stem + "-pressed", 24, {stem + "-normal", stem + "-hover"});
        }
        image("empty_tasks", 72);
        image("avatar_male", 48);
        image("avatar_female", 48);
        image("male", 24);
        image("female", 24);
        QTest::newRow("an unknown name passes through") << ":/Resource/no-such-icon.png" << 0 << QStringList();
        QTest::newRow("a path outside the resources passes through") << "/tmp/picture.png" << 0 << QStringList();
        QTest::newRow("an empty path passes through") << QString() << 0 << QStringList();
    }
    void resourcesResolveToSkinnedImages()
    {
        QFETCH(QString, path); QFETCH(int, size); QFETCH(QStringList, differentStates);
        QImage perSkin[NxSkinPalette::SkinKindCount];
        for (int skin = 0; skin < NxSkinPalette::SkinKindCount; ++skin) {
            style()->SetSkinKind(skin);
            const QString resolved = style()->FormatResourceFile(path);
            QCOMPARE(resolved == path, size == 0);
            if (size == 0)
                continue;
            perSkin[skin] = QImage(resolved);
            QCOMPARE(perSkin[skin].size(), QSize(size, size));
            QVERIFY(looksDrawn(perSkin[skin]));
            for (const QString& other : differentStates)
                QVERIFY2(QImage(style()->FormatResourceFile(other)) != perSkin[skin], qPrintable(other));
            // The sharp copy sits beside it, where QIcon looks for it.
            const QFileInfo info(resolved);
            QCOMPARE(QImage(info.path() + '/' + info.completeBaseName() + "@2x.png").size(), QSize(2 * size, 2 * size));
        }
        QVERIFY(size == 0 || perSkin[NxSkinPalette::DarkSkin] != perSkin[NxSkinPalette::LightSkin]);
    }

    void switchingNotifiesEachAttachedHandlerOnce()
    {
        Recorder first, twice, detached;
        for (Recorder* handler : {&first, &twice, &twice, &detached})
            style()->Attach(handler);
        style()->Detach(&detached);
        QSignalSpy changed(style(), &NxSkinStyle::SkinKindChanged);

        style()->SetSkinKind(NxSkinPalette::LightSkin);
        style()->SetSkinKind(NxSkinPalette::LightSkin); // already current: nothing to tell
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown skin kind"));
        style()->SetSkinKind(7);

        QCOMPARE(first.events.size(), 1);
        QCOMPARE(twice.events.size(), 1);
        QVERIFY(detached.events.isEmpty());
        QVERIFY(first.events[0].IsSkinChanged());
        QCOMPARE(first.events[0].NewSkinKind(), int(NxSkinPalette::LightSkin));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(style()->GetSkinKind(), int(NxSkinPalette::LightSkin));
        style()->Detach(&first);
        style()->Detach(&twice);
    }

    void detachingDuringNotificationIsSafe()
    {
        Recorder leaver, victim, survivor;
        auto* dying = new Recorder;
        leaver.onChange = [&] {
            style()->Detach(&leaver);
            style()->Detach(&victim);
            delete dying; // a destroyed handler detaches itself
        };
        for (Recorder* handler : {&leaver, &victim, dying, &survivor})
            style()->Attach(handler);

        style()->SetSkinKind(NxSkinPalette::LightSkin);
        style()->SetSkinKind(NxSkinPalette::DarkSkin);
        QCOMPARE(leaver.events.size(), 1);
        QVERIFY(victim.events.isEmpty());
        QCOMPARE(survivor.events.size(), 2);
        style()->Detach(&survivor);
    }

    void elidedTextFitsTheWidth_data()
    {
        columns<int, int, bool>({"width", "mode", "shortened"});
        QTest::newRow("narrow width cuts the end") << 60 << int(Qt::ElideRight) << true;
        QTest::newRow("narrow width cuts the middle") << 60 << int(Qt::ElideMiddle) << true;
        QTest::newRow("zero width leaves nothing") << 0 << int(Qt::ElideRight) << true;
        QTest::newRow("ample width keeps the whole text") << 4000 << int(Qt::ElideRight) << false;
    }
    void elidedTextFitsTheWidth()
    {
        QFETCH(int, width); QFETCH(int, mode); QFETCH(bool, shortened);
        const QFont font;
        const QString text = "Interview with the director - final cut (subtitles).mp4";
        const QString elided = StringOperation::GetElidedString(font, width, text, Qt::TextElideMode(mode));
        QVERIFY(QFontMetrics(font).horizontalAdvance(elided) <= width);
        QCOMPARE(elided != text, shortened);
    }
};

QTEST_MAIN(SkinStyleTest)
#include "tst_skinstyle.moc"
