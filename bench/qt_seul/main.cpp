// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt program with widgets does to show a window: a label and a
// button on the whole page, whose window grey the bench watches for at the
// page's centre, as it does the game's start window.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget fenetre;
    auto* disposition = new QVBoxLayout(&fenetre);
    disposition->addWidget(new QLabel(QStringLiteral("Quartelo 4")));
    disposition->addWidget(new QPushButton(QStringLiteral("Nouvelle Partie")));
    fenetre.showFullScreen();
    return application.exec();
}
