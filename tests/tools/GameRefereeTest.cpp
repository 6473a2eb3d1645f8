#include "ficsim/GameAudience.h"
#include "ficsim/GameReferee.h"

#include <QHash>
#include <QTest>

namespace {

// Keeps what the referee hands to each user instead of sending it.
class RecordingAudience : public GameAudience
{
public:
    void deliver(const QByteArray& handle, const QList<QByteArray>& lines) override
    {
        heard[handle] += lines;
    }
    void deliverRaw(const QByteArray& handle, const QByteArray& line) override
    {
        heard[handle] << line;
    }
    QByteArray variable(const QByteArray&, const QByteArray&) const override { return {}; }
    QList<QByteArray> loggedInHandles() const override { return {"alice", "bob"}; }
    bool isRegistered(const QByteArray&) const override { return true; }

    QHash<QByteArray, QList<QByteArray>> heard;
};

} // namespace

// The referee's rules that need no socket: draws claimed or given by the position, and
// a flag fall against a side that could never mate.
class GameRefereeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void repetitionIsClaimedWithDraw();
    void drawOfferWithoutAClaimWaitsForTheOpponent();
    void bareKingsEndTheGame();
    void flagAgainstALoneKingIsADraw();

private:
    void playAll(const QList<QByteArray>& moves);

    RecordingAudience m_audience;
    qint64 m_now = 0;
    std::unique_ptr<GameReferee> m_referee;
};

void GameRefereeTest::init()
{
    m_audience.heard.clear();
    m_now = 0;
    m_referee = std::make_unique<GameReferee>(m_audience, [this] { return m_now; });
    ServerGame::Setup setup;
    setup.white = "alice";
    setup.black = "bob";
    m_referee->create(setup);
}

void GameRefereeTest::playAll(const QList<QByteArray>& moves)
{
    for (int i = 0; i < moves.size(); ++i) {
        const auto reply = m_referee->move(i % 2 ? "bob" : "alice", moves[i]);
        QVERIFY(reply);
        QVERIFY2(reply->value(1).startsWith("<12> "), reply->join('|').constData());
    }
}

void GameRefereeTest::repetitionIsClaimedWithDraw()
{
    playAll({"Nf3", "Nf6", "Ng1", "Ng8", "Nf3", "Nf6", "Ng1", "Ng8"});
    const QList<QByteArray> reply = m_referee->offer("alice", ServerGame::Offer::Draw);
    QCOMPARE(reply.value(0), QByteArray("{Game 1 (alice vs. bob) Game drawn by repetition} 1/2-1/2"));
    QCOMPARE(m_audience.heard["bob"].last(), QByteArray("No ratings adjustment done."));
    QVERIFY(!m_referee->isPlaying("alice"));
    QCOMPARE(m_referee->finishedOf("bob").value(0).ending, QByteArray("Rep"));
}

void GameRefereeTest::drawOfferWithoutAClaimWaitsForTheOpponent()
{
    playAll({"Nf3", "Nf6", "Ng1", "Ng8"});
    QCOMPARE(m_referee->offer("alice", ServerGame::Offer::Draw),
             QList<QByteArray>{"Draw request sent."});
    QCOMPARE(m_audience.heard["bob"].last(), QByteArray("alice offers you a draw."));
    QVERIFY(m_referee->isPlaying("bob"));
    const auto declined = m_referee->declineOffer("bob");
    QVERIFY(declined);
    QCOMPARE(declined->value(0), QByteArray("You decline the draw request from alice."));
    QCOMPARE(m_audience.heard["alice"].last(), QByteArray("bob declines draw request."));
}

void GameRefereeTest::bareKingsEndTheGame()
{
    // From a set-up game: the last pieces come off the board.
    m_referee = std::make_unique<GameReferee>(m_audience, [this] { return m_now; });
    ServerGame::Setup setup{"alice", "bob", 5, 0, false, false};
    ServerGame& game = m_referee->create(setup);
    game.chess() = ChessGame(*ChessPosition::fromFen("4k3/8/8/8/8/8/3q4/4K3 w - - 0 40"));
    const auto reply = m_referee->move("alice", "Kxd2");
    QVERIFY(reply);
    QVERIFY2(reply->contains("{Game 1 (alice vs. bob) Neither player has mating material} 1/2-1/2"),
             reply->join('|').constData());
}

void GameRefereeTest::flagAgainstALoneKingIsADraw()
{
    m_referee = std::make_unique<GameReferee>(m_audience, [this] { return m_now; });
    ServerGame::Setup setup{"alice", "bob", 1, 0, false, false};
    ServerGame& game = m_referee->create(setup);
    // White has a bare king and runs out of time; black's lone knight could never mate.
    game.chess() = ChessGame(*ChessPosition::fromFen("4k3/8/8/8/8/8/3n4/6K1 w - - 0 40"));
    m_now = 60001;
    QCOMPARE(m_referee->untilNextFlag(), 0);
    m_referee->checkFlags();
    QCOMPARE(m_audience.heard["alice"].value(0),
             QByteArray("{Game 1 (alice vs. bob) alice ran out of time and bob has no material "
                        "to mate} 1/2-1/2"));
}

QTEST_GUILESS_MAIN(GameRefereeTest)
#include "GameRefereeTest.moc"
