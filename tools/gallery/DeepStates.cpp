// The deep card as the application shows it: the real overlay view, view model and hosted panels, opened by
// the pointer resting on the bar, with the leaders loaded, loading, or absent, and the pointer on UNPIN or
// SELECT. These run on the real clock, so the cards are opened once, together, and every state is taken
// from them.
#include "GalleryAppState.h"
#include "GalleryRegistry.h"
#include "GallerySamples.h"
#include "Gate.h"
#include "OverlayGallery.h"
#include "QuietServices.h"

#include "notch/panels/OverlayPanels.h"
#include "notch/window/NotchOverlayView.h"
#include "notch/window/OverlayNotifications.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <QDeadlineTimer>
#include <QPainter>

#include <cstdio>
#include <map>
#include <memory>

namespace {

enum class Leaders { loaded, loading, none };

// Answers the leaders request at once with the players given, or not while the overlay is shown (the card
// keeps its spinner); every other request fails at once.
class LeadersScores final : public quiet::UnreachableScores {
public:
    explicit LeadersScores(std::optional<QList<TopScorer>> answer) : m_answer(std::move(answer)) {}
    // Lets a held request go on, while its caller still exists. The waiter is resumed through a queued
    // call, delivered here since this runs after the event loop has ended.
    void release() {
        emit m_held.opened();
        QCoreApplication::sendPostedEvents();
    }

    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString, League) override {
        if (!m_answer)
            co_await qCoro(&m_held, &Gate::opened);
        co_return m_answer.value_or(QList<TopScorer>());
    }

private:
    std::optional<QList<TopScorer>> m_answer;
    Gate m_held;
};

// A live college basketball game: a sport with leaders, and a league whose badge is drawn from the
// application's own artwork, so nothing is downloaded.
Game collegeGame() {
    Game game;
    game.id = "deep-1";
    game.league = *League::withId("ncaam");
    game.awayTeam = galleryTeam("HCG", "Harbor City Gulls", "1B4F8C", "ncaam");
    game.homeTeam = galleryTeam("RDG", "Ridgeview Owls", "C8102E", "ncaam");
    game.status = GameStatus::inProgress;
    game.awayScore = 61;
    game.homeScore = 58;
    game.period = "2nd";
    game.clock = "7:12";
    game.situations = GameSituation{};
    game.situations->advantageTeamId = game.homeTeam.id;
    return game;
}

std::optional<QList<TopScorer>> answerFor(Leaders leaders) {
    switch (leaders) {
    case Leaders::loaded:
        return QList<TopScorer>{{"Avery Stonebridge", "24 PTS, 9 REB", std::nullopt, false},
                                {"Malik Ferrow", "19 PTS, 6 AST", std::nullopt, true}};
    case Leaders::loading:
        return std::nullopt;
    case Leaders::none:
        return QList<TopScorer>();
    }
    return std::nullopt;
}

// The overlay sets its window's mask on every change of its outline, which the off-screen platform answers
// with a warning each time: not worth printing. Not nested.
class QuietMasks {
public:
    QuietMasks() { s_previous = qInstallMessageHandler(&QuietMasks::handle); }
    ~QuietMasks() { qInstallMessageHandler(s_previous); }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.contains(QLatin1String("window masks")))
            return;
        if (s_previous)
            s_previous(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
    static inline QtMessageHandler s_previous = nullptr;
};

// One overlay with one pinned game, its deep card opened by the pointer resting on the bar.
class DeepOverlay {
public:
    explicit DeepOverlay(Leaders leaders)
        : m_scores(answerFor(leaders)), m_panels(m_app.preferences(), Clock::system()),
          m_view(false, new NotchViewModel(m_app.state(), m_scores, m_app.preferences(), Clock::system()),
                 m_app.state(), Clock::system(), m_center, &m_panels) {
        m_view.setAttribute(Qt::WA_DontShowOnScreen);
        m_view.resize(440, 680);
        m_view.show();
        m_app.state().setPinnedGames({collegeGame()});
        QCoreApplication::processEvents();
        m_view.handleMouseEntered();
    }

    ~DeepOverlay() { m_scores.release(); }

    bool isOpen() {
        return m_view.presentation().state == OverlayState::Deep && !m_view.animationDriver().isTicking();
    }
    NotchOverlayView& view() { return m_view; }

private:
    GalleryAppState m_app;
    LeadersScores m_scores;
    OverlayNotificationCenter m_center;
    OverlayPanels m_panels;
    NotchOverlayView m_view;
};

// Opens the three cards together (the deep card opens 2 s after the pointer enters) and keeps them.
std::map<Leaders, std::unique_ptr<DeepOverlay>>& openCards() {
    static std::map<Leaders, std::unique_ptr<DeepOverlay>> cards;
    if (!cards.empty())
        return cards;
    // Widgets must go while the application still exists.
    qAddPostRoutine([] { cards.clear(); });
    for (const Leaders leaders : {Leaders::loaded, Leaders::loading, Leaders::none})
        cards[leaders] = std::make_unique<DeepOverlay>(leaders);
    const QDeadlineTimer deadline(std::chrono::seconds(10));
    const auto allOpen = [] {
        for (const auto& [leaders, card] : cards)
            if (!card->isOpen())
                return false;
        return true;
    };
    while (!allOpen() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return cards;
}

enum class Pointer { away, onUnpin, onSelect };

// The card as painted, with the pointer moved onto a pill when asked; taken at once, before the half-second
// rest on the pill would act.
QImage deepState(Leaders leaders, Pointer pointer = Pointer::away) {
    const QuietMasks quiet;
    NotchOverlayView& view = openCards().at(leaders)->view();
    std::optional<QPointF> tip;
    if (pointer != Pointer::away) {
        const QRectF pill = pointer == Pointer::onUnpin
                                ? view.unpinPillRect()
                                : QRectF(view.hostedPanel(OverlaySlot::selectPill)->geometry());
        tip = pill.center();
        view.pointerMovedTo(view.mapToGlobal(QPoint(220, 600)));
        view.pointerMovedTo(view.mapToGlobal(tip->toPoint()));
    }
    const int height = int(view.panelRect().height()) + 16;
    const QImage image = renderPainted(QSize(440, height), galleryDesktop, [&](QPainter& painter) {
        // The view masks itself to its panel, and rendering starts at the masked area's corner.
        const QRegion source = QRegion(0, 0, 440, height) & view.mask();
        view.render(&painter, source.boundingRect().topLeft(), source, QWidget::DrawChildren);
        painter.setRenderHint(QPainter::Antialiasing);
        if (tip)
            paintPointer(painter, *tip);
    });
    if (pointer != Pointer::away)
        view.pointerMovedTo(view.mapToGlobal(QPoint(220, 600))); // off again before the rest would act
    return image;
}

const GalleryStateRegistration withLeaders{"deep-card-leaders", [] { return deepState(Leaders::loaded); }};
const GalleryStateRegistration loading{"deep-card-leaders-loading",
                                       [] { return deepState(Leaders::loading); }};
const GalleryStateRegistration badgeOnly{"deep-card-league-badge-only",
                                         [] { return deepState(Leaders::none); }};
const GalleryStateRegistration unpinHovered{"deep-card-unpin-hovered",
                                            [] { return deepState(Leaders::loaded, Pointer::onUnpin); }};
const GalleryStateRegistration selectHovered{"deep-card-select-hovered",
                                             [] { return deepState(Leaders::loaded, Pointer::onSelect); }};

} // namespace
