// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "miroir_accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

#include <emscripten.h>

#include "bouton.h"

namespace {

MiroirAccessible* miroir = nullptr;

// The page's side (miroir.js): one pass over the windows, as a JSON array
// of elements, parents first and in their order; what the pass does not
// name goes.
EM_JS(void, pagePasse, (const char* message), {
    if (Module.quartelo4Miroir)
        Module.quartelo4Miroir.passe(JSON.parse(UTF8ToString(message)));
});

// The element's ARIA role in the page, or null for a widget that only holds
// others (a window, a frame, a group box without a title, an empty label):
// its children then stand in its place. A message's text is plain text,
// read with it; the other labels change as the game goes, and are live.
const char* roleDansLaPage(const QAccessibleInterface& interface, bool dansUneAlerte)
{
    switch (interface.role()) {
    case QAccessible::AlertMessage:
        return "alertdialog";
    case QAccessible::Dialog:
        return "dialog";
    case QAccessible::Grouping:
        return interface.text(QAccessible::Name).isEmpty() ? nullptr : "group";
    case QAccessible::StaticText:
        if (interface.text(QAccessible::Name).isEmpty())
            return nullptr;
        return dansUneAlerte ? "generic" : "status";
    case QAccessible::PushButton:
        return "button";
    case QAccessible::CheckBox:
        return "checkbox";
    case QAccessible::RadioButton:
        return "radio";
    case QAccessible::ComboBox:
        return "combobox";
    case QAccessible::Table:
        return "table";
    default:
        return nullptr;
    }
}

QString identifiant(QAccessibleInterface* interface, const char* suffixe = "")
{
    return QLatin1Char('q') + QString::number(QAccessible::uniqueId(interface)) + QLatin1String(suffixe);
}

// The action an element of the page stands for: a check box toggles, the
// rest is pressed.
QString actionDe(QAccessibleInterface& interface)
{
    QAccessibleActionInterface* actions = interface.actionInterface();
    if (actions == nullptr)
        return {};
    const QStringList noms = actions->actionNames();
    if (interface.role() == QAccessible::CheckBox && noms.contains(QAccessibleActionInterface::toggleAction()))
        return QAccessibleActionInterface::toggleAction();
    if (noms.contains(QAccessibleActionInterface::pressAction()))
        return QAccessibleActionInterface::pressAction();
    return {};
}

// Its ARIA states.
QJsonObject etatsDe(QAccessibleInterface& interface)
{
    const QAccessible::State etat = interface.state();
    QJsonObject etats;
    if (etat.checkable)
        etats[QStringLiteral("checked")] = bool(etat.checked);
    if (etat.disabled)
        etats[QStringLiteral("disabled")] = true;
    return etats;
}

// One element of the message. Its name is its label where it holds others
// (or is a list), and its text otherwise; a live one is announced as it
// changes, and again where `annoncer` says so.
struct Element {
    QString id;
    unsigned cible = 0;
    QString parent;
    const char* role = "generic";
    QString nom;
    bool etiquette = false;
    QString description;
    QJsonObject etats;
    QRectF cadre;
    QString action;
    bool vivant = false;
    bool annoncer = false;
    QStringList options;
    int choisi = -1;

    QJsonObject json(const QRectF& cadreParent) const
    {
        QJsonObject objet{
            {QStringLiteral("id"), id},
            {QStringLiteral("parent"), parent},
            {QStringLiteral("role"), QLatin1String(role)},
            {etiquette ? QStringLiteral("etiquette") : QStringLiteral("texte"), nom},
            {QStringLiteral("cadre"), QJsonArray{cadre.x() - cadreParent.x(), cadre.y() - cadreParent.y(),
                                                 cadre.width(), cadre.height()}},
        };
        if (cible != 0)
            objet[QStringLiteral("cible")] = qint64(cible);
        if (!description.isEmpty())
            objet[QStringLiteral("description")] = description;
        if (!etats.isEmpty())
            objet[QStringLiteral("etats")] = etats;
        if (!action.isEmpty())
            objet[QStringLiteral("actions")] = QJsonArray{action};
        if (vivant)
            objet[QStringLiteral("vivant")] = true;
        if (annoncer)
            objet[QStringLiteral("annoncer")] = true;
        if (qstrcmp(role, "combobox") == 0) {
            objet[QStringLiteral("options")] = QJsonArray::fromStringList(options);
            objet[QStringLiteral("choisi")] = choisi;
        }
        return objet;
    }
};

// One pass over the windows' accessibility, into the message.
class Passe {
public:
    Passe(QScreen& ecran, const QSet<unsigned>& aAnnoncer)
        : facteur(QHighDpiScaling::factor(&ecran)), origine(ecran.geometry().topLeft()),
          aAnnoncer(aAnnoncer)
    {
    }

    void parcourir(QAccessibleInterface* interface, const QString& parent, const QRectF& cadreParent,
                   bool dansUneAlerte)
    {
        if (interface == nullptr || !interface->isValid() || interface->state().invisible)
            return;
        const char* role = roleDansLaPage(*interface, dansUneAlerte);
        if (role == nullptr) {
            enfants(interface, parent, cadreParent, dansUneAlerte);
            return;
        }
        const QAccessible::Role qui = interface->role();
        const bool table = qui == QAccessible::Table && interface->tableInterface() != nullptr;
        const bool liste = qui == QAccessible::ComboBox;
        Element element;
        element.id = identifiant(interface);
        element.cible = QAccessible::uniqueId(interface);
        element.parent = parent;
        element.role = role;
        element.nom = interface->text(QAccessible::Name);
        element.etiquette = liste || qui == QAccessible::AlertMessage || table || interface->childCount() > 0;
        if (!table)
            element.description = interface->text(
                qui == QAccessible::AlertMessage ? QAccessible::Value : QAccessible::Description);
        element.etats = etatsDe(*interface);
        element.cadre = dansLaPage(interface->rect());
        element.action = actionDe(*interface);
        element.vivant = qstrcmp(role, "status") == 0;
        element.annoncer = aAnnoncer.contains(element.cible);
        if (auto* boite = qobject_cast<QComboBox*>(interface->object())) {
            for (int i = 0; i < boite->count(); ++i)
                element.options.append(boite->itemText(i));
            element.choisi = boite->currentIndex();
        }
        ajouter(element, cadreParent);
        if (table)
            rangees(interface, element, cadreParent);
        else if (!liste)
            enfants(interface, element.id, element.cadre, dansUneAlerte || qui == QAccessible::AlertMessage);
    }

    QByteArray message() const { return QJsonDocument(elements).toJson(QJsonDocument::Compact); }

private:
    void enfants(QAccessibleInterface* interface, const QString& parent, const QRectF& cadreParent,
                 bool dansUneAlerte)
    {
        for (int i = 0; i < interface->childCount(); ++i)
            parcourir(interface->child(i), parent, cadreParent, dansUneAlerte);
    }

    // The board's cells, row by row (the header row first), and beside it
    // the cell where the last token landed, announced at each move.
    void rangees(QAccessibleInterface* interface, const Element& plateau, const QRectF& cadreParent)
    {
        QAccessibleTableInterface* table = interface->tableInterface();
        for (int ligne = 0; ligne < table->rowCount(); ++ligne) {
            Element rangee;
            rangee.id = plateau.id + QLatin1Char('r') + QString::number(ligne);
            rangee.parent = plateau.id;
            rangee.role = "row";
            rangee.etiquette = true;
            for (int colonne = 0; colonne < table->columnCount(); ++colonne)
                if (QAccessibleInterface* cellule = table->cellAt(ligne, colonne))
                    rangee.cadre |= dansLaPage(cellule->rect());
            ajouter(rangee, plateau.cadre);
            for (int colonne = 0; colonne < table->columnCount(); ++colonne) {
                QAccessibleInterface* cellule = table->cellAt(ligne, colonne);
                if (cellule == nullptr)
                    continue;
                Element element;
                element.id = identifiant(cellule);
                element.cible = QAccessible::uniqueId(cellule);
                element.parent = rangee.id;
                element.role = ligne == 0 ? "columnheader" : "cell";
                element.nom = cellule->text(QAccessible::Name);
                element.etats = etatsDe(*cellule);
                element.cadre = dansLaPage(cellule->rect());
                ajouter(element, rangee.cadre);
            }
        }
        Element annonce;
        annonce.id = identifiant(interface, "a");
        annonce.parent = plateau.parent;
        annonce.nom = interface->text(QAccessible::Description);
        annonce.cadre = plateau.cadre;
        annonce.vivant = true;
        annonce.annoncer = plateau.annoncer;
        ajouter(annonce, cadreParent);
    }

    void ajouter(const Element& element, const QRectF& cadreParent)
    {
        elements.append(element.json(cadreParent));
    }

    // From the screen's pixels to the page's, which draw them smaller
    // where the page is too small for the window.
    QRectF dansLaPage(const QRect& cadre) const
    {
        return QRectF(QPointF(cadre.topLeft() - origine) * facteur, QSizeF(cadre.size()) * facteur);
    }

    const qreal facteur;
    const QPoint origine;
    const QSet<unsigned>& aAnnoncer;
    QJsonArray elements;
};

} // namespace

// An element activated in the page: its action, at once, as a click is
// delivered; the program holds it while a move waits.
extern "C" EMSCRIPTEN_KEEPALIVE void quartelo4_miroir_agir(unsigned element, int choix)
{
    if (miroir == nullptr)
        return;
    MiroirAccessible::Action action(element, choix);
    QCoreApplication::sendEvent(miroir, &action);
}

MiroirAccessible::Action::Action(unsigned e, int c) : QEvent(type()), element(e), choix(c)
{
}

MiroirAccessible::Action* MiroirAccessible::Action::clone() const
{
    return new Action(*this);
}

QEvent::Type MiroirAccessible::Action::type()
{
    static const Type enregistre = static_cast<Type>(QEvent::registerEventType());
    return enregistre;
}

// Qt sends its accessibility events only while the platform's accessibility
// is active, which the browser's never is by itself.
MiroirAccessible::MiroirAccessible(QApplication& application) : QObject(&application)
{
    miroir = this;
    handlerPrecedent = QAccessible::installUpdateHandler(&MiroirAccessible::recevoir);
    if (QPlatformAccessibility* accessibilite = QGuiApplicationPrivate::platformIntegration()->accessibility())
        accessibilite->setActive(true);
    application.installEventFilter(this);
    // A timer rather than a posted event: the browser's Qt may leave posted
    // events waiting once a message's event loop has ended.
    minuterie.setSingleShot(true);
    minuterie.setInterval(50);
    connect(&minuterie, &QTimer::timeout, this, &MiroirAccessible::synchroniser);
    suivreEcran(QGuiApplication::primaryScreen());
    connect(&application, &QGuiApplication::primaryScreenChanged, this, &MiroirAccessible::suivreEcran);
}

MiroirAccessible::~MiroirAccessible()
{
    QAccessible::installUpdateHandler(handlerPrecedent);
    miroir = nullptr;
}

void MiroirAccessible::recevoir(QAccessibleEvent* evenement)
{
    if (miroir == nullptr)
        return;
    // A label's new text and the board's new description are announced,
    // even when they read as before: another move, another game.
    const QAccessible::Event type = evenement->type();
    if (type == QAccessible::NameChanged || type == QAccessible::DescriptionChanged) {
        if (QAccessibleInterface* interface = evenement->accessibleInterface()) {
            const QAccessible::Role role = interface->role();
            if ((type == QAccessible::NameChanged && role == QAccessible::StaticText)
                || (type == QAccessible::DescriptionChanged && role == QAccessible::Table))
                miroir->aAnnoncer.insert(QAccessible::uniqueId(interface));
        }
    }
    miroir->planifier();
}

// A window shown, hidden, moved or resized, and the page's new size, come
// without an accessibility event: the elements follow them too.
bool MiroirAccessible::eventFilter(QObject* objet, QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (objet->isWidgetType() && static_cast<QWidget*>(objet)->isWindow())
            planifier();
        break;
    default:
        break;
    }
    return false;
}

void MiroirAccessible::suivreEcran(QScreen* ecran)
{
    if (ecranSuivi)
        disconnect(ecranSuivi, nullptr, this, nullptr);
    ecranSuivi = ecran;
    if (ecran == nullptr)
        return;
    connect(ecran, &QScreen::geometryChanged, this, &MiroirAccessible::planifier);
    connect(ecran, &QScreen::logicalDotsPerInchChanged, this, &MiroirAccessible::planifier);
}

// The many events of a step of the game (a fall's every cell) make one pass,
// and passes come 50 ms apart at the most often: soon enough for a listener,
// and a burst of steps costs the game fewer of them.
void MiroirAccessible::planifier()
{
    if (!minuterie.isActive())
        minuterie.start();
}

bool MiroirAccessible::event(QEvent* evenement)
{
    if (evenement->type() == Action::type()) {
        agir(*static_cast<Action*>(evenement));
        return true;
    }
    return QObject::event(evenement);
}

void MiroirAccessible::synchroniser()
{
    if (!ecranSuivi)
        return;
    // The windows that the player sees, those of the game first, then the
    // messages over them; no list or tooltip.
    QList<QWidget*> fenetres;
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = fenetre->windowType();
        if (fenetre->isVisible() && type != Qt::Popup && type != Qt::ToolTip)
            fenetres.append(fenetre);
    }
    std::stable_sort(fenetres.begin(), fenetres.end(),
                     [](const QWidget* a, const QWidget* b) { return !a->isModal() && b->isModal(); });
    Passe passe(*ecranSuivi, aAnnoncer);
    for (QWidget* fenetre : fenetres)
        passe.parcourir(QAccessible::queryAccessibleInterface(fenetre), QString(), QRectF(), false);
    pagePasse(passe.message().constData());
    aAnnoncer.clear();
}

// The widget acts as its accessible action makes it act on the desktop, in
// full before the program goes on: the column buttons play, the others are
// clicked or toggled, with no timer or queued call between (the desktop's
// Press action clicks a moment later), which could come while the game
// waits in the middle of a move.
void MiroirAccessible::agir(const Action& action)
{
    QAccessibleInterface* interface = QAccessible::accessibleInterface(action.element);
    if (interface == nullptr || !interface->isValid())
        return;
    auto* widget = qobject_cast<QWidget*>(interface->object());
    if (widget == nullptr || !widget->isVisible() || !widget->isEnabled())
        return;
    // Behind a message, the windows take nothing, as with the mouse.
    const QWidget* modale = QApplication::activeModalWidget();
    if (modale != nullptr && widget->window() != modale)
        return;
    if (action.choix >= 0) {
        if (auto* boite = qobject_cast<QComboBox*>(widget); boite != nullptr && action.choix < boite->count())
            boite->setCurrentIndex(action.choix);
    } else if (auto* colonne = qobject_cast<Bouton*>(widget)) {
        colonne->activer();
    } else if (auto* bouton = qobject_cast<QAbstractButton*>(widget)) {
        const QString nom = actionDe(*interface);
        if (nom == QAccessibleActionInterface::toggleAction())
            bouton->toggle();
        else if (nom == QAccessibleActionInterface::pressAction())
            bouton->click();
    }
    planifier();
}
