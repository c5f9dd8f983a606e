// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The test-support library in one include: the widget tests drive the real
// windows as a person does and read back what the person sees (texts,
// pictures, visibility). Each concern has its own header:
//   images_essai.h          the pictures, their codes, and how they are recognised
//   textes_essai.h          the expected status and end-of-game texts
//   fenetres_essai.h        the window and widget look-ups
//   gestes_essai.h          mouse gestures and the application's event loop
//   surveillant_de_boites.h the end-of-game box closer
//   plateau_texte.h         the board as text
//   accessibles_essai.h     the game as a screen reader reads and plays it
//   mesures_essai.h         the controls of a window and where they lie

#include "accessibles_essai.h"
#include "fenetres_essai.h"
#include "gestes_essai.h"
#include "images_essai.h"
#include "mesures_essai.h"
#include "plateau_texte.h"
#include "surveillant_de_boites.h"
#include "textes_essai.h"

// What the widget tests use of Qt, for the files that relied on this header
// to bring it in.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVector>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "fenetre.h"
#include "label.h"
#include "quartelo4.h"
