// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// The About box: the program's name, icon and version, a notice and a link to
// the maker's home page. Everything it does comes from its form and the two
// labels of the component library; the version is read once, when the box is
// made at start-up.

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

namespace ombrel {

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char *HomePage = "https://corvanel.example/";

    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

    // The version the box shows, as its version label read it.
    QString Version() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowProgramIcon();

    std::unique_ptr<Ui::TAboutBox> m_ui;
};

} // namespace ombrel
