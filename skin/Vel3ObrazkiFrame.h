#pragma once
// TVel3ObrazkiFrame: the frame around one picture of the three-pictures exercise, showing
// hover, right and wrong states. It paints only its edges; the picture shows through. Its
// pieces are drawn for 296 x 248 and follow any other size the screen gives it.

#include "skin/uSkin.h"

#include <QWidget>

enum TStylRamki { ft3obA, ft3obB, ft3obC };
enum TStanRamki { fsNone, fsHover, fsDobrze, fsZle };

class TVel3ObrazkiFrame : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVel3ObrazkiFrame)
public:
    explicit TVel3ObrazkiFrame(QWidget *parent = nullptr);
    ~TVel3ObrazkiFrame() override;

    TStylRamki StylRamki() const { return m_styl; }
    void SetStylRamki(TStylRamki style);
    TStanRamki StanRamki() const { return m_stan; }
    void SetStanRamki(TStanRamki state);

    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin);

    // "RAMKA5_<style><letter><n>" for n 1 to 4; empty for fsNone.
    QString PieceName(int n) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TStylRamki m_styl = ft3obA;
    TStanRamki m_stan = fsNone;
    SkinHandle m_skin = nullptr;
};
