#include "NxGalleryVoiceTiles.h"

#include "INxAppInfo.h"
#include "NxGalleryOutput.h"
#include "NxSingleton.h"
#include "NxSkinStyle.h"
#include "NxVoiceAnimationHelper.h"
#include "NxVoiceItem.h"
#include "NxVoicePanel.h"
#include "NxWidget.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QPainter>
#include <QMouseEvent>
#include <QScrollArea>
#include <QThreadPool>
#include <QVBoxLayout>


namespace
{
struct Voice
{
    const char* name;
    bool male;
};

const Voice Voices[] = {
    {"Jenny", false}, {"Guy", true},     {"Aria", false},  {"Davis", true},
    {"Jane", false},  {"Tony", true},    {"Sara", false},  {"Christopher Lee", true},
    {"Nancy", false},
};
enum Tile { Chosen = 0, Pressed = 2, Speaking = 5, Hovered = 6 };
// The speaking tile is caught a few frames into a pass, with its waves lit.
constexpr int SpeakingTicks = 9;

// The grid as the voice-list panel shows it: in a 590 x 152 scroll area on
// the settings surface.
constexpr QSize ScrollSize(590, 152);
constexpr int PageMargin = 16;

// Contact sheet: each frame in a tile-coloured cell, a dozen to a line;
// the 1x set also enlarged, so its pixels can be judged.
constexpr int SheetCell = 56;
constexpr int SheetGap = 8;
constexpr int SheetColumns = 12;
constexpr int Enlarged = 2;

void settleFrameReads()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

void enter(QWidget* tile)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(tile, &event);
}

void mouse(QWidget* tile, QEvent::Type type)
{
    QMouseEvent event(type, QPointF(5, 5), tile->mapToGlobal(QPoint(5, 5)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(tile, &event);
}

void renderGrid(const QString& folder, const QString& skinName)
{
    NxWidget page;
    page.SetBGColorType(NxSkinColor::Varnelo_Background_Surface1);
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
    auto* scroll = new QScrollArea(&page);
    scroll->setFixedSize(ScrollSize);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;"));
    auto* panel = new NxVoicePanel(nullptr);
    for (const Voice& voice : Voices)
        panel->addItem(voice.male, QString::fromUtf8(voice.name), 0, QString());
    scroll->setWidget(panel);
    layout->addWidget(scroll);
    page.show();
    QCoreApplication::processEvents();

    // A preview plays on one tile, stopped mid-pass so the frame stays.
    const QList<NxVoiceItem*>& tiles = panel->items();
    mouse(tiles[Speaking], QEvent::MouseButtonDblClick);
    NxVoiceAnimationHelper* animation = NxVoiceAnimationHelper::instance();
    settleFrameReads();
    int frames = 0;
    QObject::connect(animation, &NxVoiceAnimationHelper::sigUpdate, &page, [&frames] { ++frames; });
    animation->start();
    while (frames < SpeakingTicks)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    animation->stop();

    enter(tiles[Hovered]);
    enter(tiles[Pressed]);
    mouse(tiles[Pressed], QEvent::MouseButtonPress);
    // The remembered voice stays chosen while the mouse rests on another tile.
    panel->selectItem(tiles[Chosen]);
    QCoreApplication::processEvents();
    writePage(page.grab().toImage(), folder, QStringLiteral("voice-grid"), skinName);
}

// Every frame of the sets the host installed for this skin, in play order.
void renderFrames(const QString& folder, const QString& skinName)
{
    const QString root = INxAppInfo::getInstance()->getPath(INxAppInfo::ResourceFolder)
                         + QStringLiteral("/Voice Animation/") + skinName;
    auto frames = [&root](const QString& set) {
        const QDir dir(root + '/' + set);
        QList<QImage> found;
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            found << QImage(dir.filePath(name));
        return found;
    };
    // Bands: the 1x set, the 1x set enlarged, the 2x set.
    const QList<QImage> plain = frames(QStringLiteral("icon24_voice"));
    const QList<QImage> sharp = frames(QStringLiteral("icon24_voice_2x"));
    const int linesPerBand = (qMax(plain.size(), sharp.size()) + SheetColumns - 1) / SheetColumns;

    const NxSkinStyle* skin = NxSingleton<NxSkinStyle>::instance();
    QImage sheet(SheetGap + SheetColumns * (SheetCell + SheetGap), SheetGap + 3 * linesPerBand * (SheetCell + SheetGap),
                 QImage::Format_ARGB32);
    sheet.fill(skin->GetColor(NxSkinColor::Varnelo_Background_Surface1));
    QPainter painter(&sheet);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin->GetColor(NxSkinColor::Varnelo_Background_Surface2));
    auto cell = [&](int band, int index, const QImage& frame, int scale) {
        const int line = band * linesPerBand + index / SheetColumns, column = index % SheetColumns;
        const QRect box(SheetGap + column * (SheetCell + SheetGap), SheetGap + line * (SheetCell + SheetGap),
                        SheetCell, SheetCell);
        painter.drawRoundedRect(box, 4, 4);
        QRect target(QPoint(), frame.size() * scale);
        target.moveCenter(box.center());
        painter.drawImage(target, frame);
    };
    for (int i = 0; i < plain.size(); ++i) {
        cell(0, i, plain[i], 1);
        cell(1, i, plain[i], Enlarged);
    }
    for (int i = 0; i < sharp.size(); ++i)
        cell(2, i, sharp[i], 1);
    painter.end();
    writePage(sheet, folder, QStringLiteral("voice-frames"), skinName);
}
}

void renderVoiceTiles(const QString& folder, const QString& skinName)
{
    renderGrid(folder, skinName);
    renderFrames(folder, skinName);
}
