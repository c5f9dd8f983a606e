// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The widgets of a window, found as a person finds them: by their texts and
// their group boxes.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace essai {

// The group box of that title, nullptr when there is none or several.
QGroupBox* groupe(const QWidget* fenetre, const QString& titre);

// The one child of type Widget of `parent` whose `texte` (its text or its
// title) is the given one; nullptr when there is none or several.
template <typename Widget, typename Texte>
Widget* seulAvecTexte(const QWidget* parent, const QString& texte, Texte lireTexte)
{
    Widget* trouve = nullptr;
    if (!parent)
        return nullptr;
    for (Widget* w : parent->findChildren<Widget*>())
        if (lireTexte(w) == texte) {
            if (trouve)
                return nullptr;  // not unique
            trouve = w;
        }
    return trouve;
}

// The button of type Bouton with that text among the children of `parent`,
// nullptr when there is none or several.
template <typename Bouton>
Bouton* boutonNomme(const QWidget* parent, const QString& texte)
{
    return seulAvecTexte<Bouton>(parent, texte, [](const Bouton* b) { return b->text(); });
}

QPushButton* bouton(const QWidget* fenetre, const QString& texte);

// The radio button `texte` of the group box `titreGroupe`.
QRadioButton* radio(const QWidget* fenetre, const QString& titreGroupe, const QString& texte);

// The check box "Activer la souris".
QCheckBox* caseSouris(const QWidget* fenetre);

// The one combo box of the window.
QComboBox* listeDifficulte(const QWidget* fenetre);

// The status line: the one label inside the group box "Information".
QLabel* situation(const QWidget* fenetre);
QString texteSituation(const QWidget* fenetre);

// Picks an item of a combo box with the mouse: opens its list and clicks the
// item. Fails the running test when it cannot.
void choisirDansListe(QComboBox* liste, const QString& texte);

// Where a window of the given size is centred on the primary screen: half
// the screen minus half the window, each halved on its own, with no offset.
QPoint positionCentree(const QSize& taille);

}  // namespace essai
