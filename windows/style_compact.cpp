// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "style_compact.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include "police_ajustee.h"

namespace {

// Around the contents of a window: narrow at the sides, where the start
// window has no pixel to spare, a little more above and below.
constexpr int kMargeFenetreCote = 6;
constexpr int kMargeFenetreHautBas = 8;
// Inside a group box, and around the board's pictures.
constexpr int kMargeInterieure = 4;
// Between the sections of a window, and between the widgets inside a section.
constexpr int kEspacementFenetre = 8;
constexpr int kEspacementInterieur = 4;
// Between a check box's or a radio button's mark and its text.
constexpr int kEspacementMarqueTexte = 4;

// A group box that no other group box holds: a section of its window.
bool estSection(const QWidget* widget)
{
    if (!qobject_cast<const QGroupBox*>(widget))
        return false;
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const QGroupBox*>(parent))
            return false;
    return true;
}

QFont policeDeTitre(const QWidget* widget)
{
    QFont police = widget->font();
    police.setBold(true);
    return police;
}

} // namespace

StyleCompact::StyleCompact()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int StyleCompact::pixelMetric(PixelMetric metrique, const QStyleOption* option,
                              const QWidget* widget) const
{
    const bool fenetre = widget && widget->isWindow();
    switch (metrique) {
    case PM_LayoutLeftMargin:
    case PM_LayoutRightMargin:
        return fenetre ? kMargeFenetreCote : kMargeInterieure;
    case PM_LayoutTopMargin:
    case PM_LayoutBottomMargin:
        return fenetre ? kMargeFenetreHautBas : kMargeInterieure;
    case PM_LayoutHorizontalSpacing:
    case PM_LayoutVerticalSpacing:
        return fenetre ? kEspacementFenetre : kEspacementInterieur;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return kEspacementMarqueTexte;
    default:
        return QProxyStyle::pixelMetric(metrique, option, widget);
    }
}

QRect StyleCompact::subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                                   SubControl sousControle, const QWidget* widget) const
{
    if (controle == CC_GroupBox && estSection(widget)) {
        if (const auto* groupe = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            // The title is measured in the bold face it is drawn in.
            QStyleOptionGroupBox titreGras(*groupe);
            titreGras.fontMetrics = QFontMetrics(policeDeTitre(widget));
            QRect rectangle = QProxyStyle::subControlRect(controle, &titreGras, sousControle, widget);
            if (sousControle == SC_GroupBoxContents)
                rectangle.adjust(-1, -2, 1, 1);
            return rectangle;
        }
    }
    QRect rectangle = QProxyStyle::subControlRect(controle, option, sousControle, widget);
    // The contents of a group box start at the top line of its frame and come
    // a pixel closer to its other sides.
    if (controle == CC_GroupBox && sousControle == SC_GroupBoxContents)
        rectangle.adjust(-1, -2, 1, 1);
    return rectangle;
}

QSize StyleCompact::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& taille, const QWidget* widget) const
{
    QSize resultat = QProxyStyle::sizeFromContents(type, option, taille, widget);
    // The group box measured its title in the regular face; room for the bold one.
    if (type == CT_GroupBox && estSection(widget)) {
        if (const auto* groupe = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            const int supplement = QFontMetrics(policeDeTitre(widget)).horizontalAdvance(groupe->text)
                                   - widget->fontMetrics().horizontalAdvance(groupe->text);
            if (supplement > 0)
                resultat.rwidth() += supplement;
        }
    }
    return resultat;
}

void StyleCompact::drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option,
                                      QPainter* peintre, const QWidget* widget) const
{
    if (controle == CC_GroupBox && estSection(widget)) {
        if (const auto* groupe = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            QStyleOptionGroupBox titreGras(*groupe);
            const QFont police = policeDeTitre(widget);
            titreGras.fontMetrics = QFontMetrics(police);
            peintre->save();
            peintre->setFont(police);
            QProxyStyle::drawComplexControl(controle, &titreGras, peintre, widget);
            peintre->restore();
            return;
        }
    }
    QProxyStyle::drawComplexControl(controle, option, peintre, widget);
}

void installerStyle(QApplication& application)
{
    application.setStyle(new StyleCompact());
    // The desktop's font stays the application's; where the desktop names
    // none, the game's own face at the same size takes its place, for the
    // message box too. Each window then fits the font to its size.
    // (Set only then: a font set by the program would no longer follow the
    // desktop's theme.)
    const QFont police = policeDuBureau();
    if (police != QApplication::font())
        QApplication::setFont(police);
}
