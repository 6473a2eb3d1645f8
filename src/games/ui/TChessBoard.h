#pragma once

#include "games/BoardLayout.h"
#include "games/PacedSlide.h"
#include "games/PieceCode.h"
#include "games/Style12Record.h"
#include "games/ui/BoardCanvas.h"

#include <QElapsedTimer>
#include <QPolygonF>
#include <QWidget>
#include <array>
#include <optional>

class QColor;
class QPainter;

// Draws one position as a flat board or in perspective, with the shared piece set and
// colours, and slides the opponent's move. It knows no chess: it shows what the server
// sends (SetPosition) and reports what the mouse does. Drawing goes to off-screen images
// and the screen is asked to update only the changed area; a slide moves one step of its
// path per due time, a frame at a time, and never holds up the event loop.
class TChessBoard : public QWidget
{
    Q_OBJECT

public:
    using Position = std::array<PieceCode, 64>; // display orientation, row 0 at the top

    explicit TChessBoard(QWidget* parent = nullptr);
    ~TChessBoard() override;
    TChessBoard(const TChessBoard&) = delete;
    TChessBoard& operator=(const TChessBoard&) = delete;

    bool Coordinates() const { return m_coordinates; }
    void setCoordinates(bool on) { m_coordinates = on; } // the caller does a FullRebuild
    bool Reversed() const { return m_reversed; }
    void setReversed(bool reversed);
    float Perspective() const { return m_perspective; }
    void setPerspective(float perspective);
    int MoveSpeed() const { return m_moveSpeed; }
    void setMoveSpeed(int pixels) { m_moveSpeed = pixels; }
    bool f3d() const { return m_threeD; }
    void setF3d(bool on);
    int PieceSet() const;
    void setPieceSet(int set); // out-of-range values are ignored
    bool ClickMove() const;
    void setClickMove(bool on);
    QColor WSColor() const;
    QColor BSColor() const;
    QColor WPColor() const;
    QColor BPColor() const;
    void setWSColor(const QColor& colour);
    void setBSColor(const QColor& colour);
    void setWPColor(const QColor& colour);
    void setBPColor(const QColor& colour);

    // Copied from each record, kept for whoever asks.
    bool WCanCastleQS() const { return m_castling[0]; }
    bool WCanCastleKS() const { return m_castling[1]; }
    bool BCanCastleQS() const { return m_castling[2]; }
    bool BCanCastleKS() const { return m_castling[3]; }
    bool WhitesMove() const { return m_whitesMove; }
    int LastDblPPush() const { return m_lastDblPPush; }

    void SetPosition(const Style12Record& record);
    void FullRebuild();
    void UpdateChangedColumns();
    QByteArray SquareName(int row, int column) const;
    std::optional<QPoint> ParseSquare(const QByteArray& text) const; // (column, row)

    // The position last set, a sliding piece counted on its to-square already.
    const Position& CurrentPosition() const { return m_current; }
    bool isSliding() const { return m_slide.has_value(); }
    const Style12Record& LastRecord() const { return m_lastRecord; }
    const BoardLayout& layout() const { return m_canvas.layout(); }
    bool isDragging() const { return m_drag.dragging; }
    // Starts a drag as a left-button press at this point (client pixels) would.
    void startDrag(QPoint pressPoint);
    // Ends a drag as a release at this point (client pixels) would: the piece lands and
    // the move, or the removal of a piece dropped off the board, is reported.
    void finishDrag(QPoint releasePoint);
    // Outlines two display squares (column, row), the last move's; (-1, -1) for none.
    void setHighlight(QPoint from, QPoint to);
    const std::array<QPoint, 2>& highlight() const { return m_highlight; }
    // The display square (column, row) under a point in client pixels.
    std::optional<QPoint> SquareAt(int x, int y);

Q_SIGNALS:
    void OnChessMove(const QByteArray& move);
    void OnChessPromote();
    void OnChessMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y,
                          int boardX, int boardY);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Notifications, in this order of declaration; each emits its signal.
    virtual void chessMove(const QByteArray& move) { Q_EMIT OnChessMove(move); }
    virtual void chessPromote() { Q_EMIT OnChessPromote(); }
    virtual void chessMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                                int y, int boardX, int boardY)
    {
        Q_EMIT OnChessMouseDown(button, modifiers, x, y, boardX, boardY);
    }

private:
    struct DragState
    {
        bool dragging = false;
        bool lifted = false; // a piece is off the working image (drag or animation)
        QPoint from{-1, -1};
        QPoint to{-1, -1};
        PieceCode piece = PieceCode::Empty;
        QPoint point{-1, -1}; // device pixels
        QPoint pressPoint{-1, -1};
    };

    qreal pixelRatio() const;
    QSize deviceSize() const;
    void ensureLayout();
    void lay();
    void redrawColumn(int column, QRect& changed);
    bool pieceStaysInSquare(int column, int row) const;
    void redrawSquare(int column, int row, QRect& changed);
    PieceCode pieceToDraw(int index) const;
    QPolygonF highlightOutline(QPoint square) const; // client pixels
    QRect highlightArea(QPoint square) const;
    static void drawHighlight(QPainter& painter, const QPolygonF& outline, const QColor& colour);
    void liftPiece(QPoint square, QPoint devicePoint, bool eraseFromWorking);
    QRect showLifted(PieceCode piece, QPoint square, QPoint devicePoint);
    void moveLiftedPiece(QPoint devicePoint);
    void stopDrag();
    void AnimateMove(QPoint from, QPoint to, PieceCode piece);
    void slideFrame();
    void endSlide();
    void updateDevice(const QRect& deviceRect);
    static Position turned(const Position& position);
    static constexpr int HighlightPen = 3;

    bool m_coordinates = false;
    bool m_reversed = false;
    float m_perspective = 0.65f;
    int m_moveSpeed = 5;
    bool m_threeD = true;
    std::array<bool, 4> m_castling{true, true, true, true};
    bool m_whitesMove = true;
    int m_lastDblPPush = -1;
    Position m_current{};
    Position m_displayed{};
    Style12Record m_lastRecord;
    DragState m_drag;
    BoardCanvas m_canvas;
    bool m_layoutStale = true;
    std::array<QPoint, 2> m_highlight{QPoint(-1, -1), QPoint(-1, -1)};
    // The slide under way: its path, the square it lands on and what that square shows
    // until then (a captured piece stays until it is taken).
    std::optional<PacedSlide> m_slide;
    int m_slideSquare = -1;
    PieceCode m_slideHeld = PieceCode::Empty;
    QElapsedTimer m_slideClock;
    QElapsedTimer m_sincePosition; // since the shown game last moved on
};
