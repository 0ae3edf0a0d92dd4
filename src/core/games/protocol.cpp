#include "games/protocol.h"

#include <algorithm>

#include "services/profile.h"

namespace {

constexpr const char* kAutoplayKey = "Autoplay";

}  // namespace

SolitaireGame::SolitaireGame(GameConstants constants, const GameLayout& layout, MenuTable menu, GameHost& host,
                             std::filesystem::path settingsFile)
    : constants_(std::move(constants)),
      layout_(layout),
      menu_(std::move(menu)),
      host_(host),
      settingsFile_(std::move(settingsFile)) {
    BuildViews();
    history_.MenuItem = MenuItem("Undo1");
    if (history_.MenuItem) history_.MenuItem->Enabled = false;
}

SolitaireGame::~SolitaireGame() = default;

void SolitaireGame::BuildViews() {
    const CardDimensions card = DimensionsOf(layout_.cardSize);
    for (const ViewRow& row : layout_.rows) {
        for (int i = 0; i < row.count; ++i) {
            const int n = row.firstNumber + i;
            auto view = std::make_unique<TCardPileView>(ViewName(row, n), card);
            view->Role = row.role;
            view->Number = (row.count == 1 && !row.numbered) ? 0 : n;
            view->Left = row.left + row.leftStep * i;
            view->Top = row.top + row.topStep * i;
            view->Width = row.width;
            view->Height = row.height;
            view->XOffset = row.xOffset;
            view->YOffset = row.yOffset;
            view->IsBordered = row.bordered;
            view->AllowDrag = row.allowDrag;
            view->Visible = !row.hidden;
            view->State = row.state;
            if (row.color) {
                view->Color = *row.color;
                view->HasOwnColor = true;
            }
            views_.push_back(std::move(view));
        }
    }
}

void SolitaireGame::Create() {
    TProfile profile = Profile();
    ReadOptions(profile);
    host_.SetCaption(layout_.initialCaption.empty() ? constants_.gameName : layout_.initialCaption);
    Deal(false, true);
}

void SolitaireGame::ReadOptions(TProfile& profile) {
    if (TMenuItem* item = MenuItem("Autoplay1")) {
        autoplay_ = profile.ReadBoolean(kAutoplayKey).value_or(false);
        item->Checked = autoplay_;
    }
}

std::vector<TCardPileView*> SolitaireGame::Group(PileRole role) const {
    std::vector<TCardPileView*> group;
    for (const auto& view : views_)
        if (view->Role == role) group.push_back(view.get());
    std::stable_sort(group.begin(), group.end(),
                     [](const TCardPileView* a, const TCardPileView* b) { return a->Number < b->Number; });
    return group;
}

TCardPileView* SolitaireGame::View(const std::string& name) const {
    for (const auto& view : views_)
        if (view->Name == name) return view.get();
    return nullptr;
}

TMenuItem* SolitaireGame::MenuItem(const std::string& name) {
    for (TMenuItem& item : menu_)
        if (item.Name == name) return &item;
    return nullptr;
}

void SolitaireGame::RunCommand(const std::string& itemName) {
    const TMenuItem* item = MenuItem(itemName);
    if (item == nullptr || !item->Enabled) return;
    if (itemName == "NewGame1") {
        NewGame();
    } else if (itemName == "Restart1" || itemName == "Redeal1") {
        Restart();
    } else if (itemName == "Undo1") {
        Undo();
    } else if (itemName == "Autoplay1") {
        ToggleAutoplay();
    } else if (itemName == "Preferences1") {
        host_.ShowPreferences();
    } else if (itemName == "About1") {
        host_.ShowHelp(constants_.helpTopic);
    } else if (itemName == "Statistics1") {
        host_.ShowStatistics();
    } else {
        GameCommand(itemName);
    }
}

void SolitaireGame::GameCommand(const std::string&) {}

void SolitaireGame::ToggleAutoplay() {
    autoplay_ = !autoplay_;
    if (TMenuItem* item = MenuItem("Autoplay1")) item->Checked = autoplay_;
    Profile().WriteBoolean(kAutoplayKey, autoplay_);
}

std::string SolitaireGame::CaptionFor(int score) const {
    if (score > 0) return constants_.gameName + "   Score: " + std::to_string(score);
    return constants_.gameName;
}

std::string SolitaireGame::Caption() const { return CaptionFor(score_); }

void SolitaireGame::UpdateScoreAndCaption() {
    score_ = ComputeScore();
    host_.SetCaption(CaptionFor(score_));
}

void SolitaireGame::Resize(int clientHeight) {
    for (TCardPileView* column : Group(PileRole::Tableau)) {
        column->Height = clientHeight - layout_.tableauHeightMargin;
        column->Invalidate();
    }
}

TProfile SolitaireGame::Profile() const { return TProfile(constants_.settingsSection, settingsFile_); }
