// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "miroir_accessible.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

#include <emscripten.h>

namespace {

MiroirAccessible* miroir = nullptr;

// The page's side (miroir.js): a pass over the windows, one element after
// another, parents first and in their order, then the end of the pass,
// which removes what it did not see.
EM_JS(void, pageDebut, (), {
    if (Module.quartelo4Reflet)
        Module.quartelo4Reflet.debut();
});

EM_JS(void, pageElement,
      (const char* id, unsigned cible, const char* parent, const char* role, const char* nom,
       const char* description, int etat, double x, double y, double largeur, double hauteur,
       const char* options, int choisi, int annoncer),
      {
          if (Module.quartelo4Reflet)
              Module.quartelo4Reflet.element(UTF8ToString(id), cible, UTF8ToString(parent),
                                             UTF8ToString(role), UTF8ToString(nom),
                                             UTF8ToString(description), etat, x, y, largeur,
                                             hauteur, UTF8ToString(options), choisi, !!annoncer);
      });

EM_JS(void, pageFin, (), {
    if (Module.quartelo4Reflet)
        Module.quartelo4Reflet.fin();
});

// What miroir.js reads of an element's state.
enum Etat {
    kCochable = 1,
    kCoche = 2,
    kInactif = 4,
    kConteneur = 8,
};

// The element's role in the page, or null for a widget that only holds
// others (a window, a frame, a group box without a title, an empty label):
// its children then stand in its place.
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
        // A message's text is read with it; the others change as the game
        // goes, and each change is announced.
        return dansUneAlerte ? "texte" : "status";
    case QAccessible::PushButton:
        return "button";
    case QAccessible::CheckBox:
        return "checkbox";
    case QAccessible::RadioButton:
        return "radio";
    case QAccessible::ComboBox:
        return "select";
    case QAccessible::Table:
        return "table";
    default:
        return nullptr;
    }
}

QByteArray identifiant(QAccessibleInterface* interface, const char* suffixe = "")
{
    return "q" + QByteArray::number(QAccessible::uniqueId(interface)) + suffixe;
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

// One pass over the windows' accessibility, into the page.
class Passe {
public:
    Passe(QScreen& ecran, const QSet<unsigned>& aAnnoncer)
        : facteur(QHighDpiScaling::factor(&ecran)), origine(ecran.geometry().topLeft()),
          aAnnoncer(aAnnoncer)
    {
    }

    void parcourir(QAccessibleInterface* interface, const QByteArray& parent, const QRectF& cadreParent,
                   bool dansUneAlerte)
    {
        if (interface == nullptr || !interface->isValid() || interface->state().invisible)
            return;
        const char* role = roleDansLaPage(*interface, dansUneAlerte);
        if (role == nullptr) {
            enfants(interface, parent, cadreParent, dansUneAlerte);
            return;
        }
        const QByteArray id = identifiant(interface);
        const QRectF cadre = dansLaPage(interface->rect());
        const QAccessible::Role qui = interface->role();
        const bool table = qui == QAccessible::Table && interface->tableInterface() != nullptr;
        const bool liste = qui == QAccessible::ComboBox;
        QString description = interface->text(QAccessible::Description);
        if (qui == QAccessible::AlertMessage)
            description = interface->text(QAccessible::Value);
        QString options;
        int choisi = -1;
        if (auto* boite = qobject_cast<QComboBox*>(interface->object())) {
            for (int i = 0; i < boite->count(); ++i)
                options += (i > 0 ? QStringLiteral("\n") : QString()) + boite->itemText(i);
            choisi = boite->currentIndex();
        }
        int etat = etatDe(*interface);
        if (!liste && (table || interface->childCount() > 0))
            etat |= kConteneur;
        emettre(id, QAccessible::uniqueId(interface), parent, role, interface->text(QAccessible::Name),
                table ? QString() : description, etat, cadre, cadreParent, options, choisi,
                aAnnoncer.contains(QAccessible::uniqueId(interface)));
        if (table)
            rangees(interface, id, parent, cadre, cadreParent);
        else if (!liste)
            enfants(interface, id, cadre, dansUneAlerte || qui == QAccessible::AlertMessage);
    }

private:
    void enfants(QAccessibleInterface* interface, const QByteArray& parent, const QRectF& cadreParent,
                 bool dansUneAlerte)
    {
        for (int i = 0; i < interface->childCount(); ++i)
            parcourir(interface->child(i), parent, cadreParent, dansUneAlerte);
    }

    // The board's cells, row by row (the header row first), and beside it
    // the cell where the last token landed, announced at each move.
    void rangees(QAccessibleInterface* interface, const QByteArray& id, const QByteArray& parent,
                 const QRectF& cadre, const QRectF& cadreParent)
    {
        QAccessibleTableInterface* table = interface->tableInterface();
        for (int ligne = 0; ligne < table->rowCount(); ++ligne) {
            QRectF cadreRangee;
            for (int colonne = 0; colonne < table->columnCount(); ++colonne)
                if (QAccessibleInterface* cellule = table->cellAt(ligne, colonne))
                    cadreRangee |= dansLaPage(cellule->rect());
            const QByteArray rangee = id + "r" + QByteArray::number(ligne);
            emettre(rangee, 0, id, "row", {}, {}, kConteneur, cadreRangee, cadre, {}, -1, false);
            for (int colonne = 0; colonne < table->columnCount(); ++colonne) {
                QAccessibleInterface* cellule = table->cellAt(ligne, colonne);
                if (cellule == nullptr)
                    continue;
                emettre(identifiant(cellule), QAccessible::uniqueId(cellule), rangee,
                        ligne == 0 ? "columnheader" : "cell", cellule->text(QAccessible::Name), {},
                        etatDe(*cellule), dansLaPage(cellule->rect()), cadreRangee, {}, -1, false);
            }
        }
        emettre(identifiant(interface, "a"), 0, parent, "annonce", interface->text(QAccessible::Description), {},
                0, cadre, cadreParent, {}, -1, aAnnoncer.contains(QAccessible::uniqueId(interface)));
    }

    static int etatDe(QAccessibleInterface& interface)
    {
        const QAccessible::State etat = interface.state();
        int resultat = 0;
        if (etat.checkable)
            resultat |= kCochable | (etat.checked ? kCoche : 0);
        if (etat.disabled)
            resultat |= kInactif;
        return resultat;
    }

    // From the screen's pixels to the page's, which draw them smaller
    // where the page is too small for the window.
    QRectF dansLaPage(const QRect& cadre) const
    {
        return QRectF(QPointF(cadre.topLeft() - origine) * facteur, QSizeF(cadre.size()) * facteur);
    }

    static void emettre(const QByteArray& id, unsigned cible, const QByteArray& parent, const char* role,
                        const QString& nom, const QString& description, int etat, const QRectF& cadre,
                        const QRectF& cadreParent, const QString& options, int choisi, bool annoncer)
    {
        pageElement(id.constData(), cible, parent.constData(), role, nom.toUtf8().constData(),
                    description.toUtf8().constData(), etat, cadre.x() - cadreParent.x(),
                    cadre.y() - cadreParent.y(), cadre.width(), cadre.height(),
                    options.toUtf8().constData(), choisi, annoncer ? 1 : 0);
    }

    const qreal facteur;
    const QPoint origine;
    const QSet<unsigned>& aAnnoncer;
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
    QAccessible::installUpdateHandler(&MiroirAccessible::recevoir);
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
    QAccessible::installUpdateHandler(nullptr);
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
    if (ecranSuivi != nullptr)
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
    if (ecranSuivi == nullptr)
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
    pageDebut();
    for (QWidget* fenetre : fenetres)
        passe.parcourir(QAccessible::queryAccessibleInterface(fenetre), QByteArray(), QRectF(), false);
    pageFin();
    aAnnoncer.clear();
}

// The widget acts as its accessible action makes it act on the desktop, and
// in full before the program goes on: Qt's buttons would press a moment
// later, from a timer, and the column buttons from a queued call, either of
// which could come while the game waits in the middle of a move.
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
        planifier();
        return;
    }
    const QString nom = actionDe(*interface);
    if (nom.isEmpty())
        return;
    QAbstractEventDispatcher* repartiteur = QAbstractEventDispatcher::instance();
    QList<int> avant;
    for (const auto& minuteur : repartiteur->registeredTimers(widget))
        avant.append(minuteur.timerId);
    interface->actionInterface()->doAction(nom);
    QCoreApplication::sendPostedEvents(widget, QEvent::MetaCall);
    for (const auto& minuteur : repartiteur->registeredTimers(widget)) {
        if (avant.contains(minuteur.timerId))
            continue;
        QTimerEvent echeance(minuteur.timerId);
        QCoreApplication::sendEvent(widget, &echeance);
    }
    planifier();
}
