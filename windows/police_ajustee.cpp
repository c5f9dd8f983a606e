// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "police_ajustee.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QLayout>
#include <QWidget>

namespace {

// The face of the game where the desktop names none: DejaVu Sans is on every
// Debian system (fonts-dejavu-core).
constexpr const char* kFamilleDuJeu = "DejaVu Sans";
// The name the toolkit gives the font when the desktop has chosen none.
constexpr const char* kFamilleSansChoix = "Sans Serif";
// Where the desktop names a face the system cannot give (Wine without
// Windows' fonts names « MS Shell Dlg », whose Tahoma is missing), the first
// of these that it can, rather than whatever face comes first in
// alphabetical order: the faces of Windows' interface, then the game's own.
constexpr const char* kFamillesDeSecours[] = {"Tahoma", "Segoe UI", kFamilleDuJeu};

// Whether the system draws the face under its own name.
bool donnee(const QString& famille)
{
    return QFontInfo(QFont(famille)).family().compare(famille, Qt::CaseInsensitive) == 0;
}

// The steps of the fitting, and the smallest size it goes down to.
constexpr qreal kPasEnPoints = 0.5;
constexpr qreal kPlancherEnPoints = 5.0;
constexpr int kPasEnPixels = 1;
constexpr int kPlancherEnPixels = 7;

} // namespace

QFont policeDuBureau()
{
    QFont police = QApplication::font();
    if (police.family() == QLatin1String(kFamilleSansChoix)) {
        police.setFamily(QString::fromLatin1(kFamilleDuJeu));
        police.setStyleHint(QFont::SansSerif);
    } else if (!donnee(police.family())) {
        QString secours = QString::fromLatin1(kFamilleDuJeu);
        for (const char* famille : kFamillesDeSecours) {
            if (donnee(QString::fromLatin1(famille))) {
                secours = QString::fromLatin1(famille);
                break;
            }
        }
        police.setFamily(secours);
        police.setStyleHint(QFont::SansSerif);
    }
    return police;
}

void PoliceAjustee::suivre(QWidget* fenetre, std::function<void()> preparer)
{
    auto* ajusteur = new PoliceAjustee(fenetre, std::move(preparer));
    fenetre->installEventFilter(ajusteur);
    ajusteur->ajuster();
}

PoliceAjustee::PoliceAjustee(QWidget* fenetreSuivie, std::function<void()> avantMesure)
    : QObject(fenetreSuivie), fenetre(fenetreSuivie), preparer(std::move(avantMesure))
{
}

bool PoliceAjustee::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == fenetre && evenement->type() == QEvent::ApplicationFontChange)
        ajuster();
    return QObject::eventFilter(objet, evenement);
}

// From the desktop's size down, the first size at which the window's layout
// fits in the window.
void PoliceAjustee::ajuster()
{
    if (enCours)
        return;
    enCours = true;
    QFont police = policeDuBureau();
    // A font is given in points or, more rarely, in pixels.
    const bool enPoints = police.pointSizeF() > 0;
    qreal taille = enPoints ? police.pointSizeF() : qreal(police.pixelSize());
    const qreal pas = enPoints ? kPasEnPoints : qreal(kPasEnPixels);
    const qreal plancher = enPoints ? kPlancherEnPoints : qreal(kPlancherEnPixels);
    for (;;) {
        if (enPoints)
            police.setPointSizeF(taille);
        else
            police.setPixelSize(qRound(taille));
        fenetre->setFont(police);
        invaliderDispositions();
        if (preparer)
            preparer();
        if (tient() || taille - pas < plancher)
            break;
        taille -= pas;
    }
    enCours = false;
}

// Every layout of the window measures its contents again: a window not yet
// shown does not tell its layouts that a control's size changed.
void PoliceAjustee::invaliderDispositions() const
{
    for (QLayout* disposition : fenetre->findChildren<QLayout*>())
        disposition->invalidate();
}

bool PoliceAjustee::tient() const
{
    QLayout* disposition = fenetre->layout();
    if (disposition == nullptr)
        return true;
    invaliderDispositions();
    const QSize minimum = disposition->totalMinimumSize();
    return minimum.width() <= fenetre->width() && minimum.height() <= fenetre->height();
}
