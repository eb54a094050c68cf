#pragma once
// TAALabel: a label painted with anti-aliased text (2x supersampling), single line or wrapped.

#include "skin/VelResButton.h" // TAlignment

#include <QColor>
#include <QWidget>

#include <functional>

class TAALabel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAALabel)
public:
    explicit TAALabel(QWidget *parent = nullptr);
    ~TAALabel() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool UseAntiAlias() const { return m_antiAlias; }
    void SetUseAntiAlias(bool on);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    int ExtraWidth() const { return m_extraWidth; }
    void SetExtraWidth(int extra);
    // Background of an opaque label.
    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);
    // Sets the font and re-measures an auto-sized label.
    void SetFont(const QFont &font);

    // The hint text: the translation the exercise screens show in their speech bubble. It is
    // not shown as a tooltip unless ShowHint is on.
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Called after the label has drawn itself, with the same painter.
    std::function<void(QPainter &)> OnPaint;

    // The size an auto-sized label takes for its caption and font.
    QSize MeasuredSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Remeasure();

    QString m_caption;
    bool m_antiAlias = true;
    bool m_wordWrap = false;
    bool m_transparent = true;
    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = false;
    int m_extraWidth = 0;
    QColor m_color{Qt::white};
    QColor m_fontColor{Qt::black};
    QString m_hint;
    bool m_showHint = false;
    int m_tag = 0;
};
