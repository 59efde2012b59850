#include "GalleryAppState.h"
#include "GalleryRegistry.h"
#include "GallerySamples.h"
#include "OverlayGallery.h"
#include "PickerGallery.h"

#include "notch/panels/IdlePanel.h"
#include "notch/panels/LeadersPanel.h"
#include "notch/panels/OverlayPanelFrame.h"
#include "notch/panels/RacingPanel.h"
#include "notch/picker/GamePickerView.h"
#include "notch/picker/PickerGameRow.h"
#include "notch/picker/PinnedGameRow.h"
#include "notch/picker/RefreshControlView.h"
#include "notch/picker/SelectPill.h"
#include "notch/window/OverlayNotifications.h"

#include "platform/network/ImageLoader.h"

#include <QApplication>
#include <QCoroTimer>
#include <QCursor>
#include <QEventLoop>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <map>

namespace {

// What the gallery application state's clock reads.
QDateTime now() {
    return QDateTime(QDate(2026, 3, 14), QTime(19, 30), Qt::LocalTime);
}

QImage drawnBadge(const QString& text, const QColor& colour, bool round) {
    QImage image(96, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    if (round)
        painter.drawEllipse(QRectF(16, 0, 64, 64));
    else
        painter.drawRect(image.rect());
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

// An image address that the shared loader already holds.
QUrl cachedImage(const QString& name, const QImage& image) {
    const QUrl url(QStringLiteral("https://images.gallery.invalid/picker/%1.png").arg(name));
    ImageLoader::shared().insert(url, image);
    return url;
}

Game teamGame(const QString& id, const QString& league, GameStatus status, const QString& away,
              const QString& home, int minutesFromNow = 60) {
    Game game;
    game.id = id;
    game.league = League::withId(league).value_or(League{});
    game.awayTeam = galleryTeam(away, "Away " + away, "1D428A", league);
    game.homeTeam = galleryTeam(home, "Home " + home, "CE1141", league);
    game.status = status;
    game.startTime = now().addSecs(minutesFromNow * 60).toUTC();
    if (status != GameStatus::scheduled) {
        game.awayScore = 98;
        game.homeScore = 102;
    }
    if (game.isLive()) {
        game.period = QStringLiteral("Q4");
        game.clock = QStringLiteral("2:31");
    }
    game.broadcast = QStringLiteral("ESPN");
    return game;
}

Game race(GameStatus status, int drivers, bool missingFlag = false) {
    static const QStringList names{"Alex Verstel", "Lena Norrin",  "Carl Lecroix",
                                   "Oscar Piatt",  "Lewis Hamden", "George Rusk",
                                   "Fern Alonsa",  "Yuki Tsun",    "Pierre Gasly-Moreau"};
    Game game;
    game.id = QStringLiteral("race");
    game.league = *League::withId(QStringLiteral("f1"));
    game.status = status;
    game.startTime = now().addSecs(status == GameStatus::scheduled ? 26 * 3600 : -3600).toUTC();
    game.venue = QStringLiteral("Autodromo Centrale");
    if (status == GameStatus::inProgress) {
        game.period = QStringLiteral("Lap 31/57");
        game.clock = QStringLiteral("Lap 31/57");
    }
    QList<RaceDriver> standings;
    const QColor flagColours[] = {QColor(0xAE, 0x1C, 0x28), QColor(0x00, 0x52, 0x93),
                                  QColor(0x00, 0x92, 0x46)};
    for (int i = 0; i < drivers; ++i) {
        RaceDriver driver;
        driver.id = QString::number(i + 1);
        driver.position = i + 1;
        driver.name = names[i % names.size()];
        driver.shortName = driver.name.section(u' ', -1).left(3).toUpper();
        if (!(missingFlag && i == 6))
            driver.flagURL =
                cachedImage("flag" + QString::number(i % 3), drawnBadge({}, flagColours[i % 3], false));
        standings.append(driver);
    }
    game.raceStandings = standings;
    return game;
}

// Panels stacked on the overlay's black, `width` wide, with a gap between them.
QImage stack(const QList<QWidget*>& panels, int width = 340) {
    QWidget column;
    column.setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(&column);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(12);
    for (QWidget* panel : panels) {
        panel->setFixedWidth(width);
        panel->setFixedHeight(panel->sizeHint().height());
        layout->addWidget(panel);
    }
    return renderWidget(column);
}

const GalleryStateRegistration racingExpanded{
    "picker-racing-expanded", [] {
        return stack({new RacingPanel(RacingPanel::Part::expanded, race(GameStatus::inProgress, 7), now()),
                      new RacingPanel(RacingPanel::Part::expanded, race(GameStatus::final_, 7), now()),
                      new RacingPanel(RacingPanel::Part::expanded, race(GameStatus::scheduled, 0), now())});
    }};

const GalleryStateRegistration racingDeep{"picker-racing-deep-list", [] {
                                              const Game game = race(GameStatus::inProgress, 9, true);
                                              return stack(
                                                  {new RacingPanel(RacingPanel::Part::expanded, game, now()),
                                                   new RacingPanel(RacingPanel::Part::deepList, game, now())},
                                                  420);
                                          }};

const GalleryStateRegistration leaders{
    "picker-leaders", [] {
        const Game basketball = teamGame("g1", "nba", GameStatus::inProgress, "BOS", "LAL");
        const TopScorer awayShot{"Jaylen Brand", "31 PTS, 8 REB",
                                 cachedImage("away", drawnBadge("JB", Qt::darkGreen, true)), false};
        const TopScorer homeShot{"Lebron Jameson", "27 PTS, 11 AST",
                                 cachedImage("home", drawnBadge("LJ", QColor(0x55, 0x25, 0x83), true)), true};
        const TopScorer awayInitial{"Derrick White-Hall", "22 PTS", std::nullopt, false};
        const TopScorer homeInitial{"Austin Reave", "19 PTS", std::nullopt, true};
        auto panel = [](const Game& game, bool loading, const QList<TopScorer>& scorers) {
            auto* leadersPanel = new LeadersPanel(Clock::system());
            leadersPanel->setLeaders(game, loading, scorers);
            return leadersPanel;
        };
        // The league logo as if downloaded, so the state makes no request.
        ImageLoader::shared().insert(*basketball.league.leagueLogoURL(),
                                     drawnBadge("NBA", QColor(0x1D, 0x42, 0x8A), true));
        Game ncaam = teamGame("g2", "ncaam", GameStatus::inProgress, "DUK", "UNC");
        Game baseball = teamGame("g3", "mlb", GameStatus::inProgress, "NYY", "BOS");
        ImageLoader::shared().insert(*baseball.league.leagueLogoURL(),
                                     drawnBadge("MLB", QColor(0x04, 0x1E, 0x42), true));
        return stack({panel(basketball, true, {}), panel(basketball, false, {homeShot, awayShot}),
                      panel(basketball, false, {awayInitial, homeInitial}), panel(ncaam, false, {}),
                      panel(baseball, false, {homeShot})});
    }};

// The idle panel over an application state that `fill` sets up.
QImage idlePanelState(const std::function<void(GalleryAppState&)>& fill) {
    GalleryAppState app;
    fill(app);
    IdlePanel panel(app.state(), app.preferences(), app.state().clock(), [](const Game&) {});
    return renderWidget(panel, galleryDark, QSize(IdlePanel::panelWidth, panel.sizeHint().height()));
}

const GalleryStateRegistration idlePanel{"picker-idle-panel",
                                         [] { return idlePanelState(&fillPickerState); }};

const GalleryStateRegistration idleEmpty{"picker-idle-panel-empty",
                                         [] { return idlePanelState(&fillEmptyPickerState); }};

// A clock that moves only when the state says so, firing its live repeating timers on each step.
class StepClock final : public Clock {
public:
    QDateTime now() const override { return m_now; }
    MonotonicTime monotonicNow() const override { return m_monotonic; }
    ClockTimerPtr singleShot(std::chrono::milliseconds, QObject*, std::function<void()>) override {
        return std::make_unique<Handle>(m_repeating, -1);
    }
    ClockTimerPtr repeating(std::chrono::milliseconds, QObject*, std::function<void()> callback) override {
        m_repeating[++m_nextId] = std::move(callback);
        return std::make_unique<Handle>(m_repeating, m_nextId);
    }
    void step(double seconds) {
        const std::chrono::milliseconds by = secondsToMilliseconds(seconds);
        m_now = m_now.addMSecs(by.count());
        m_monotonic += by;
        const auto callbacks = m_repeating;
        for (const auto& [id, callback] : callbacks) {
            if (m_repeating.contains(id))
                callback();
        }
    }

private:
    using Callbacks = std::map<int, std::function<void()>>;
    struct Handle final : ClockTimer {
        Handle(Callbacks& callbacks, int id) : callbacks(callbacks), id(id) {}
        ~Handle() override { cancel(); }
        void cancel() override { callbacks.erase(id); }
        bool isActive() const override { return callbacks.contains(id); }
        Callbacks& callbacks;
        int id;
    };
    QDateTime m_now = QDateTime::currentDateTimeUtc();
    MonotonicTime m_monotonic;
    Callbacks m_repeating;
    int m_nextId = 0;
};

// A fetch still running when the picture is taken; it ends when `end` times out.
QCoro::Task<> fetchUntil(QTimer* end) {
    co_await end;
}

QCoro::Task<> finishedFetch() {
    co_return;
}

// The refresh control at rest, charging (half full), refreshing and cooling down.
QImage refreshControlStates() {
    // Ends the running fetch once the picture is taken. Running from the start: a stopped timer is no wait.
    QTimer fetchEnd;
    fetchEnd.setSingleShot(true);
    fetchEnd.start(std::chrono::hours(1));
    // Declared before the views, so that they outlive them.
    std::vector<std::unique_ptr<StepClock>> clocks;
    std::vector<std::unique_ptr<RefreshControlModel>> models;
    QWidget column;
    auto* layout = new QVBoxLayout(&column);
    layout->setContentsMargins(0, 8, 0, 8);
    const int ticks[] = {0, 5, 11, 11};
    for (int state = 0; state < 4; ++state) {
        auto clock = std::make_unique<StepClock>();
        RefreshControlModel::Fetch fetch = &finishedFetch;
        if (state != 3)
            fetch = [&fetchEnd] { return fetchUntil(&fetchEnd); };
        auto model = std::make_unique<RefreshControlModel>(*clock, fetch);
        auto* view = new RefreshControlView(*model, *clock);
        view->setFixedSize(200, view->sizeHint().height());
        layout->addWidget(view);
        if (ticks[state] > 0)
            model->handleRefreshHover(true);
        for (int i = 0; i < ticks[state]; ++i)
            clock->step(RefreshControlModel::tickSeconds);
        clock->step(1.0); // the fill's spring settles
        clocks.push_back(std::move(clock));
        models.push_back(std::move(model));
    }
    const QImage picture = renderWidget(column);
    // The running fetch ends before the models go, so that its coroutine finishes and frees itself.
    QEventLoop ended;
    QObject::connect(&fetchEnd, &QTimer::timeout, &ended, &QEventLoop::quit, Qt::QueuedConnection);
    fetchEnd.start(0);
    ended.exec();
    return picture;
}

const GalleryStateRegistration refreshStates{"picker-refresh-control", &refreshControlStates};

const GalleryStateRegistration rows{"picker-rows", [] {
                                        QList<QWidget*> widgets;
                                        auto row = [&](const Game& game, bool hovered) {
                                            auto* widget = new PickerGameRow(
                                                game, [](const Game&) {}, Clock::system());
                                            if (hovered)
                                                widget->handleRowHover(true);
                                            widgets.append(widget);
                                        };
                                        row(teamGame("a", "nba", GameStatus::inProgress, "BOS", "LAL"),
                                            false);
                                        row(teamGame("b", "nba", GameStatus::scheduled, "NYK", "MIA"), false);
                                        row(teamGame("c", "nba", GameStatus::final_, "TOR", "CHI"), false);
                                        row(teamGame("d", "nba", GameStatus::inProgress, "DEN", "PHX"), true);
                                        row(race(GameStatus::inProgress, 3), false);
                                        row(race(GameStatus::final_, 3), false);
                                        row(race(GameStatus::scheduled, 0), false);
                                        return stack(widgets, 380);
                                    }};

// Long and multi-line texts from a reply: each shortened inside its own block, on one line.
const GalleryStateRegistration longNameRows{
    "picker-rows-long-names", [] {
        GalleryAppState app;
        Game live = teamGame("a", "nba", GameStatus::inProgress, galleryUnrulyText("BOS", 260), "LA\nL");
        live.period = galleryUnrulyText("Q4", 200);
        Game scheduled =
            teamGame("b", "nba", GameStatus::scheduled, "NY\u2028K", galleryUnrulyText("MIA", 260));
        scheduled.broadcast = galleryUnrulyText("ESPN", 200);
        Game venue = race(GameStatus::scheduled, 0);
        venue.venue = galleryUnrulyText("Autodromo", 200);
        Game leader = race(GameStatus::final_, 1);
        (*leader.raceStandings)[0].name = galleryUnrulyText("Alex", 200);
        QList<QWidget*> widgets;
        for (const Game& game : {live, scheduled, venue, leader})
            widgets.append(new PickerGameRow(
                game, [](const Game&) {}, Clock::system()));
        widgets.append(new PinnedGameRow(
            live, [](const Game&) {}, app.state(), Clock::system()));
        return stack(widgets, 380);
    }};

const GalleryStateRegistration pinnedRows{
    "picker-pinned-rows", [] {
        GalleryAppState app;
        QList<QWidget*> widgets;
        auto row = [&](const Game& game, bool rowHovered, bool unpinHovered) {
            auto* widget = new PinnedGameRow(
                game, [](const Game&) {}, app.state(), Clock::system());
            widget->setRowHovered(rowHovered);
            widget->setUnpinHovered(unpinHovered, false);
            widgets.append(widget);
        };
        row(teamGame("a", "nba", GameStatus::inProgress, "BOS", "LAL"), false, false);
        row(teamGame("b", "nba", GameStatus::scheduled, "NYK", "MIA"), true, false);
        row(teamGame("c", "nba", GameStatus::final_, "TOR", "CHI"), true, true);
        row(race(GameStatus::inProgress, 3), false, false);
        return stack(widgets, 380);
    }};

} // namespace

void fillPickerState(GalleryAppState& app) {
    app.preferences().setEnabledLeagues({"nba", "nhl", "f1", "epl"});
    const Game live = teamGame("n1", "nba", GameStatus::inProgress, "BOS", "LAL", -60);
    const Game later = teamGame("n2", "nba", GameStatus::scheduled, "NYK", "MIA", 90);
    const Game finalGame = teamGame("h1", "nhl", GameStatus::final_, "TOR", "MTL", -240);
    Game liveRace = race(GameStatus::inProgress, 5);
    app.state().setGames({{"nba", {later, live}}, {"nhl", {finalGame}}, {"f1", {liveRace}}, {"epl", {}}});
    app.state().setPinnedGames({live, finalGame});
}

void fillEmptyPickerState(GalleryAppState& app) {
    app.preferences().setEnabledLeagues({"nba"});
}

QImage overlayWithPanels(const OverlayInputs& inputs, const std::map<OverlaySlot, QWidget*>& panels) {
    OverlayPanelFrame frame = OverlayPanelFrame::atRest(inputs, std::nullopt, now());
    const auto slotSize = [&](OverlaySlot slot) {
        const auto found = panels.find(slot);
        return found == panels.end() ? QSizeF() : QSizeF(found->second->sizeHint());
    };
    const OverlaySections sections = overlaySections(frame.presentation, frame.card, frame.width, slotSize);
    frame.height = sections.height;
    const auto placed = [&](OverlaySlot slot) {
        switch (slot) {
        case OverlaySlot::idlePanel:
            return sections.idle;
        case OverlaySlot::racingExpanded:
            return sections.expandedSlot;
        case OverlaySlot::raceStandings:
        case OverlaySlot::leaders:
            return sections.deepSlot;
        case OverlaySlot::gamePicker:
            return sections.picker;
        case OverlaySlot::selectPill:
            return sections.selectPill;
        }
        return QRectF();
    };
    return renderPainted(QSize(440, int(frame.height) + 16), galleryDesktop, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(220, 0);
        paintOverlayPanel(painter, frame, sections, 0);
        for (const auto& [slot, widget] : panels) {
            const QRect rect = placed(slot).translated(-frame.width / 2, 0).toAlignedRect();
            widget->setAttribute(Qt::WA_DontShowOnScreen);
            widget->resize(rect.size());
            widget->show();
            QApplication::processEvents();
            widget->render(&painter, rect.topLeft(), QRegion(), QWidget::DrawChildren);
        }
    });
}

namespace {

OverlayInputs deepInputs(const Game& game, bool jumbo) {
    OverlayInputs inputs = barShowing(game);
    inputs.isHovered = true;
    inputs.isDeepExpanded = true;
    inputs.isJumboExpanded = jumbo;
    return inputs;
}

QImage jumboState() {
    GalleryAppState app;
    fillPickerState(app);
    const Game shown = app.state().pinnedGames().first();
    GamePickerView picker(app.state(), app.preferences(), app.state().clock(), [](const Game&) {});
    return overlayWithPanels(deepInputs(shown, true), {{OverlaySlot::gamePicker, &picker}});
}

QImage deepLeadersState() {
    const Game game = teamGame("g1", "nba", GameStatus::inProgress, "BOS", "LAL");
    ImageLoader::shared().insert(*game.league.leagueLogoURL(),
                                 drawnBadge("NBA", QColor(0x1D, 0x42, 0x8A), true));
    LeadersPanel leaders(Clock::system());
    leaders.setLeaders(game, false,
                       {{"Jaylen Brand", "31 PTS, 8 REB", std::nullopt, false},
                        {"Lebron Jameson", "27 PTS, 11 AST", std::nullopt, true}});
    SelectPill select([] {}, [] {});
    return overlayWithPanels(deepInputs(game, false),
                             {{OverlaySlot::leaders, &leaders}, {OverlaySlot::selectPill, &select}});
}

QImage deepRacingState() {
    const Game game = race(GameStatus::inProgress, 8, true);
    RacingPanel expanded(RacingPanel::Part::expanded, game, now());
    RacingPanel standings(RacingPanel::Part::deepList, game, now());
    SelectPill select([] {}, [] {});
    return overlayWithPanels(deepInputs(game, false), {{OverlaySlot::racingExpanded, &expanded},
                                                       {OverlaySlot::raceStandings, &standings},
                                                       {OverlaySlot::selectPill, &select}});
}

// The picker after the wheel has moved its list two notches under a pointer that stayed still (the arrow):
// the row now under the pointer is the one lit, and the one Ctrl would choose.
QImage wheeledUnderStillPointer() {
    GalleryAppState app;
    app.preferences().setEnabledLeagues({"nba"});
    static const QStringList teams{"BOS", "LAL", "NYK", "MIA", "CHI", "DEN", "PHX",
                                   "GSW", "DAL", "MIL", "ATL", "SAC", "UTA", "POR"};
    QList<Game> games;
    for (qsizetype i = 0; i < teams.size(); ++i)
        games.append(teamGame(QStringLiteral("w%1").arg(i), "nba", GameStatus::scheduled, teams[i],
                              teams[(i + 5) % teams.size()], 30 * int(i + 1)));
    app.state().setGames({{"nba", games}});
    GamePickerView picker(app.state(), app.preferences(), app.state().clock(), [](const Game&) {});
    // A window of the off-screen display, where the pointer can rest.
    picker.setWindowFlag(Qt::FramelessWindowHint);
    picker.resize(380, picker.sizeHint().height());
    picker.show();
    const auto settle = [] {
        for (int turn = 0; turn < 4; ++turn)
            QApplication::processEvents();
    };
    settle();
    QWidget* viewport = picker.scrollArea().viewport();
    const QPoint pointer = viewport->mapTo(&picker, QPoint(viewport->width() / 2, 130));
    QCursor::setPos(picker.mapToGlobal(pointer));
    settle();
    QScrollBar& scroll = *picker.scrollArea().verticalScrollBar();
    scroll.setValue(scroll.value() + 2 * QApplication::wheelScrollLines() * scroll.singleStep());
    settle();
    return renderPainted(picker.size(), galleryDark, [&](QPainter& painter) {
        picker.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        paintPointer(painter, pointer);
    });
}

const GalleryStateRegistration wheeled{"picker-wheeled-under-still-pointer", &wheeledUnderStillPointer};
const GalleryStateRegistration jumbo{"picker-jumbo", &jumboState};
const GalleryStateRegistration deepLeaders{"picker-deep-leaders-with-select", &deepLeadersState};
const GalleryStateRegistration deepRacing{"picker-deep-racing", &deepRacingState};

} // namespace
