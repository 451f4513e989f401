// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The animation speed dialog: a bar from 0 (slow) to 100 (fast). The main
// window turns the position into the interval of its move timer.

#include <QDialog>

#include <memory>

namespace Ui {
class TSpeedDlg;
}

namespace ombrel {

class TSpeedDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int SlowestInterval = 700; // ms per sowing step at speed 0
    static constexpr int IntervalStep = 6;      // ms less per step of the bar
    static constexpr int MaxSpeed = 100;

    explicit TSpeedDlg(QWidget *parent = nullptr);
    ~TSpeedDlg() override;

    // The bar position that shows a move timer interval, and back again.
    // Every interval the dialog sets comes back to the same position.
    static int SpeedForInterval(int interval);
    static int IntervalForSpeed(int speed);

    // Shows value (kept within 0 to 100) in the number label and on the bar.
    void SetSpeed(int value);
    int GetSpeed() const;

public slots:
    void TrackBar1Change(int position);

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TSpeedDlg> m_ui;
};

} // namespace ombrel
