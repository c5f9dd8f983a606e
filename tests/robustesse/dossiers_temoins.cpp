// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dossiers_temoins.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string decrire(const fs::path& chemin)
{
    std::error_code erreur;
    const fs::file_status etat = fs::symlink_status(chemin, erreur);
    if (erreur) {
        return "?";
    }
    std::string texte = std::to_string(static_cast<int>(etat.type())) + " "
        + std::to_string(static_cast<unsigned>(etat.permissions()));
    if (fs::is_regular_file(etat)) {
        texte += " " + std::to_string(fs::file_size(chemin, erreur));
    }
    if (!fs::is_symlink(etat)) {
        texte += " " + std::to_string(fs::last_write_time(chemin, erreur).time_since_epoch().count());
    }
    return texte;
}

// Read and search for everyone, writing for none (or, where the system knows
// only one such mark, read-only).
constexpr fs::perms kLectureSeule = fs::perms::owner_read | fs::perms::owner_exec
    | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

} // namespace

DossiersTemoins::DossiersTemoins()
{
    QTemporaryDir temporaire(QDir::tempPath() + QStringLiteral("/quartelo4-temoins-XXXXXX"));
    if (!temporaire.isValid()) {
        return;
    }
    temporaire.setAutoRemove(false);
    const fs::path base(temporaire.path().toStdU16String());
    dossierVide = (base / "vide").string();
    dossierLectureSeule = (base / "lecture-seule").string();
    maison = (base / "maison").string();
    std::error_code erreur;
    for (const fs::path& p : {fs::path(dossierVide), fs::path(dossierLectureSeule), fs::path(maison),
                              fs::path(maison) / "config", fs::path(maison) / "cache",
                              fs::path(maison) / "donnees", fs::path(maison) / "etat",
                              fs::path(maison) / "execution"}) {
        fs::create_directories(p, erreur);
        if (erreur) {
            return;
        }
    }
    // The runtime folder must be private, or the toolkit complains and fixes it.
    fs::permissions(fs::path(maison) / "execution", fs::perms::owner_all, erreur);
    fs::permissions(dossierLectureSeule, kLectureSeule, erreur);

    const auto pointer = [](const char* variable, const fs::path& chemin) {
        qputenv(variable, QByteArray::fromStdString(chemin.string()));
    };
    pointer("HOME", maison);
    pointer("XDG_CONFIG_HOME", fs::path(maison) / "config");
    pointer("XDG_CACHE_HOME", fs::path(maison) / "cache");
    pointer("XDG_DATA_HOME", fs::path(maison) / "donnees");
    pointer("XDG_STATE_HOME", fs::path(maison) / "etat");
    pointer("XDG_RUNTIME_DIR", fs::path(maison) / "execution");

    racine = base.string();
    avant = lister();
}

DossiersTemoins::~DossiersTemoins()
{
    if (racine.empty()) {
        return;
    }
    std::error_code erreur;
    fs::permissions(dossierLectureSeule, fs::perms::owner_all | kLectureSeule, erreur);
    fs::remove_all(racine, erreur);
}

DossiersTemoins::Listing DossiersTemoins::lister() const
{
    Listing listing;
    std::error_code erreur;
    for (const std::string& dossier : {dossierVide, dossierLectureSeule, maison}) {
        listing[dossier] = decrire(dossier);
        for (fs::recursive_directory_iterator it(dossier, erreur), fin; !erreur && it != fin;
             it.increment(erreur)) {
            listing[it->path().string()] = decrire(it->path());
        }
    }
    return listing;
}

std::string DossiersTemoins::changements() const
{
    const Listing apres = lister();
    std::string texte;
    for (const auto& [chemin, etat] : apres) {
        const auto trouve = avant.find(chemin);
        if (trouve == avant.end()) {
            texte += "new: " + chemin + "\n";
        } else if (trouve->second != etat) {
            texte += "changed: " + chemin + "\n";
        }
    }
    for (const auto& [chemin, etat] : avant) {
        if (apres.find(chemin) == apres.end()) {
            texte += "gone: " + chemin + "\n";
        }
    }
    return texte;
}
