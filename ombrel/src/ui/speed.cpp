// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/speed.h"

#include "ui_speed.h"

#include <QLayout>

#include <algorithm>

namespace ombrel {

TSpeedDlg::TSpeedDlg(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TSpeedDlg>())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ui->TrackBar1, &QSlider::valueChanged, this, &TSpeedDlg::TrackBar1Change);
}

TSpeedDlg::~TSpeedDlg() = default;

int TSpeedDlg::SpeedForInterval(int interval)
{
    // Intervals outside the bar's range (none of ours) show at its nearest end.
    const int clamped = std::clamp(interval, IntervalForSpeed(MaxSpeed), SlowestInterval);
    return (SlowestInterval - clamped) / IntervalStep;
}

int TSpeedDlg::IntervalForSpeed(int speed)
{
    return SlowestInterval - IntervalStep * std::clamp(speed, 0, MaxSpeed);
}

void TSpeedDlg::SetSpeed(int value)
{
    const int speed = std::clamp(value, 0, MaxSpeed);
    m_ui->Label1->setText(QString::number(speed));
    m_ui->TrackBar1->setValue(speed);
}

int TSpeedDlg::GetSpeed() const
{
    return m_ui->TrackBar1->value();
}

void TSpeedDlg::TrackBar1Change(int position)
{
    m_ui->Label1->setText(QString::number(position));
}

void TSpeedDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ui->OK->setFocus(Qt::OtherFocusReason);
}

} // namespace ombrel
