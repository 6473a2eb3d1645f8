#include "settings/MainSettingsRecord.h"

#include "settings/SettingsBatch.h"
#include "settings/SettingsFile.h"

#include <type_traits>

using namespace MainSettings;

namespace {

struct Reader
{
    const SettingsFile& file;

    void operator()(const BoolKey& key, bool& value) const { value = file.read(key); }
    void operator()(const IntKey& key, qint32& value) const { value = file.read(key); }
    void operator()(const StringKey& key, QString& value) const { value = file.read(key); }
    void operator()(const PercentKey& key, float& value) const { value = file.read(key); }
    void operator()(const QString& section, const QString& key, qint32& value) const
    {
        value = file.readInteger(section, key, value);
    }
    void operator()(const QString& section, const QString& key, QString& value) const
    {
        value = file.readString(section, key, value);
    }
};

struct Writer
{
    SettingsFile& file;

    void operator()(const BoolKey& key, bool value) const { file.write(key, value); }
    void operator()(const IntKey& key, qint32 value) const { file.write(key, value); }
    void operator()(const StringKey& key, const QString& value) const { file.write(key, value); }
    void operator()(const PercentKey& key, float value) const { file.write(key, value); }
    void operator()(const QString& section, const QString& key, qint32 value) const
    {
        file.writeInteger(section, key, value);
    }
    void operator()(const QString& section, const QString& key, const QString& value) const
    {
        file.writeString(section, key, value);
    }
};

// The board's appearance keys, part of the one list below and written alone by the board
// properties dialog.
template <class Record, class Visit>
void visitBoardLook(Record& r, const Visit& visit)
{
    visit(QString(WPColor.section), QString(WPColor.key), r.wpColor);
    visit(QString(BPColor.section), QString(BPColor.key), r.bpColor);
    visit(QString(BSColor.section), QString(BSColor.key), r.bsColor);
    visit(QString(WSColor.section), QString(WSColor.key), r.wsColor);
    visit(Perspective, r.perspective);
    visit(Board3DSingle, r.board3DSingle);
    visit(Board3DMulti, r.board3DMulti);
    visit(PieceSetSingle, r.pieceSetSingle);
    visit(PieceSetMulti, r.pieceSetMulti);
    visit(ShowMoveListSingle, r.showMoveListSingle);
    visit(ShowMoveListMulti, r.showMoveListMulti);
    visit(ShowCoordinates, r.showCoordinates);
    visit(ClickMove, r.clickMove);
    visit(MoveSpeed, r.moveSpeed);
    visit(HighlightLastMove, r.highlightLastMove);
    visit(Premoves, r.premoves);
}

// The one list of keys, in loading order, shared by load and save.
template <class Record, class Visit>
void visitKeys(Record& r, const Visit& visit)
{
    const auto current = [&](const KeyName& name, auto& value) {
        visit(QString(name.section), QString(name.key), value);
    };
    const auto bounds = [&](const BoundsKeys& keys, auto& value) {
        current(keys.left, value.left);
        current(keys.right, value.right);
        current(keys.top, value.top);
        current(keys.bottom, value.bottom);
    };

    visit(HideGameMessages, r.hideGameMessages);
    visit(QLFormat, r.qlFormat);
    visit(PGNFormat, r.pgnFormat);
    visit(PGNFile, r.pgnFile);
    visit(UseGraph, r.useGraph);
    visit(RatingsMin, r.ratingsMin);
    visit(RatingsMax, r.ratingsMax);
    visit(ChatStayOnTop, r.chatStayOnTop);
    visit(BoardsStayOnTop, r.boardsStayOnTop);

    visit(IgnoreThanks, r.ignoreThanks);
    visit(BoardsSeperated, r.boardsSeperated);
    for (int i = 0; i < SeparateBoardCount; ++i) {
        const QString section = separateBoardSection(i);
        visit(section, QString(BoundsTop), r.separateBoards[i].top);
        visit(section, QString(BoundsBottom), r.separateBoards[i].bottom);
        visit(section, QString(BoundsLeft), r.separateBoards[i].left);
        visit(section, QString(BoundsRight), r.separateBoards[i].right);
    }

    visitBoardLook(r, visit);

    visit(Shout, r.shout);
    visit(Silence, r.silence);
    visit(AutoFlag, r.autoFlag);
    visit(GameBar, r.gameBar);
    visit(ToolBar, r.toolBar);
    current(BackColor, r.backColor);

    for (int kind = 0; kind < TextKindCount; ++kind) {
        const QString section = kindFontSection(TextKind(kind));
        visit(section, QString(FontName), r.fonts[kind].name);
        visit(section, QString(FontSize), r.fonts[kind].size);
        visit(section, QString(FontColor), r.fonts[kind].color);
        visit(section, QString(FontStyle), r.fonts[kind].style);
    }

    visit(PopupTells, r.popupTells);
    visit(PopupSays, r.popupSays);
    bounds(Chat1Bounds, r.chat1);
    // The second place starts where the first one put the chat window.
    if constexpr (!std::is_const_v<Record>)
        r.chat2 = r.chat1;
    bounds(Chat2Bounds, r.chat2);
    visit(IncludeShoutsNew, r.includeShoutsNew);
    visit(IncludeChannelTellsNew, r.includeChannelTellsNew);
    visit(ChatEcho, r.chatEcho);
    visit(Open, r.open);
    visit(Silenced, r.silenced);
    visit(Hello, r.hello);
    visit(GoodGame, r.goodGame);
    visit(ManualPromotion, r.manualPromotion);

    for (std::size_t i = 0; i < BoardsShare.size(); ++i)
        visit(BoardsShare[i], r.boardsShare[i]);

    visit(Maximized, r.maximized);
    current(Width, r.width);
    current(Height, r.height);
    current(Top, r.top);
    current(Left, r.left);

    visit(ChatVisible, r.chatVisible);
}

} // namespace

void MainSettingsRecord::load(const SettingsFile& file, const FontSpec& terminalFont)
{
    for (int kind = 0; kind < TextKindCount; ++kind) {
        fonts[kind] = terminalFont;
        fonts[kind].color = KindFontDefaults[kind].color;
        if (KindFontDefaults[kind].style >= 0)
            fonts[kind].style = KindFontDefaults[kind].style;
    }
    visitKeys(*this, Reader{file});
}

void MainSettingsRecord::save(SettingsFile& file) const
{
    SettingsBatch batch(file);
    visitKeys(*this, Writer{file});
    batch.commit();
}

void MainSettingsRecord::saveBoardProperties(SettingsFile& file) const
{
    SettingsBatch batch(file);
    const Writer writer{file};
    visitBoardLook(*this, writer);
    writer(ManualPromotion, manualPromotion);
    batch.commit();
}
