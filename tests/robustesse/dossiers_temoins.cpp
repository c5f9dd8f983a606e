// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dossiers_temoins.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string decrire(const fs::path& chemin)
{
    struct stat etat {};
    if (lstat(chemin.c_str(), &etat) != 0) {
        return "?";
    }
    return std::to_string(etat.st_mode) + " " + std::to_string(etat.st_size) + " "
        + std::to_string(etat.st_mtim.tv_sec) + "." + std::to_string(etat.st_mtim.tv_nsec);
}

} // namespace

DossiersTemoins::DossiersTemoins()
{
    std::string modele = (fs::temp_directory_path() / "quartelo4-temoins-XXXXXX").string();
    std::vector<char> tampon(modele.begin(), modele.end());
    tampon.push_back('\0');
    if (mkdtemp(tampon.data()) == nullptr) {
        return;
    }
    const fs::path base(tampon.data());
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
    chmod((fs::path(maison) / "execution").c_str(), 0700);
    chmod(dossierLectureSeule.c_str(), 0555);

    setenv("HOME", maison.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (fs::path(maison) / "config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (fs::path(maison) / "cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (fs::path(maison) / "donnees").c_str(), 1);
    setenv("XDG_STATE_HOME", (fs::path(maison) / "etat").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (fs::path(maison) / "execution").c_str(), 1);

    racine = base.string();
    avant = lister();
}

DossiersTemoins::~DossiersTemoins()
{
    if (racine.empty()) {
        return;
    }
    chmod(dossierLectureSeule.c_str(), 0755);
    std::error_code erreur;
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
