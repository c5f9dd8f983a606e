// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>

// Fresh temporary folders for a run that must write nothing: two working
// folders (one empty, one made read-only) and a home folder with its own
// XDG folders, which the environment is pointed at. Writes are found by
// comparing listings (names, sizes, modification times), since a run as root
// may write even where the permissions say no.
class DossiersTemoins {
public:
    // Creates the folders and sets HOME and XDG_* to them; call before the
    // application object exists.
    DossiersTemoins();
    ~DossiersTemoins();

    bool pret() const { return !racine.empty(); }

    const std::string& vide() const { return dossierVide; }
    const std::string& lectureSeule() const { return dossierLectureSeule; }

    // The paths that appeared, disappeared or changed since the folders were
    // made, one a line; empty when nothing changed.
    std::string changements() const;

private:
    using Listing = std::map<std::string, std::string>;
    Listing lister() const;

    std::string racine;
    std::string dossierVide;
    std::string dossierLectureSeule;
    std::string maison;
    Listing avant;
};
