#pragma once
// The small progress window of the long start-up steps, the catalogue scan and the
// statistics load: 220 x 50, a caption and a bar whose full value is 200 pixels.

#include "utils/Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QLabel;

class TfrmProgress : public QWidget, public Utils::IProgress
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmProgress)
public:
    explicit TfrmProgress(QWidget *parent = nullptr);
    ~TfrmProgress() override;

    void ShowProgress(int maximum, const QString &caption) override;
    void StepProgress(int position) override;
    void Close() override;

    int Maximum() const { return maximum; }
    int BarWidth() const;
    QString Caption() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int maximum = 0;
    QElapsedTimer lastPaint; // a step paints at most every RepaintInterval ms
    QLabel *lblCaption = nullptr;
    QWidget *imgBar = nullptr;
};

extern TfrmProgress *frmProgress;
