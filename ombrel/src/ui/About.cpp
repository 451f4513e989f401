// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ui/About.h"

#include "ui/BoardPictures.h"
#include "ui_About.h"
#include <corvanel/ComponentLoader.h>

#include <QLayout>

namespace ombrel {

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TAboutBox>())
{
    m_ui->setupUi(this);
    corvanel::loadComponents(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont title = m_ui->ProductName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    m_ui->ProductName->setFont(title);
    ShowProgramIcon();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TAboutBox::~TAboutBox() = default;

// Drawn again at every showing for the screen the box is on, so it stays crisp
// at 2x.
void TAboutBox::ShowProgramIcon()
{
    const QSize size = m_ui->ProgramIcon->minimumSize();
    m_ui->ProgramIcon->setPixmap(
        BoardPictures::Icon("ombrel").pixmap(size, m_ui->ProgramIcon->devicePixelRatioF()));
}

// The box opens on OK, so that Return closes it as before even though the
// link before it in the Tab order takes the focus too.
void TAboutBox::showEvent(QShowEvent *event)
{
    ShowProgramIcon();
    m_ui->OKButton->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

QString TAboutBox::Version() const
{
    return m_ui->VersionLabel1->GetVersion();
}

} // namespace ombrel
