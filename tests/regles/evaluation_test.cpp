// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Grades of a player and position scores, on boards worked out by hand from
// the grading rules. Every case holds for the reference and for the game's
// entry points.

#include <gtest/gtest.h>

#include "moteurs.h"

namespace essai {
namespace {

class Notes : public ::testing::TestWithParam<Moteur> {
protected:
    int note(int joueur, const Plateau& p) const { return GetParam().evaluerJoueur(joueur, p.data()); }
    int score(int joueur, const Plateau& p) const
    {
        return GetParam().evaluerPosition(joueur, p.data());
    }
};

INSTANTIATE_TEST_SUITE_P(Moteurs, Notes, lesMoteurs(), nomMoteur);

const char* const kVide = ".......";

TEST_P(Notes, PlateauVide)
{
    const Plateau p{};
    EXPECT_EQ(note(1, p), 0);
    EXPECT_EQ(note(2, p), 0);
}

TEST_P(Notes, Verticales)
{
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, kVide, kVide, "...R..."})), 1);
    EXPECT_EQ(note(2, plateau({kVide, kVide, kVide, kVide, kVide, "...R..."})), 0);
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, kVide, "...R...", "...R..."})), 2);
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, "...R...", "...R...", "...R..."})), 3);
    // Capped by a yellow token: red keeps 1 from the bottom token's
    // horizontal line, yellow gets 1 from the empty cell above its token.
    const Plateau coiffee = plateau({kVide, kVide, "...J...", "...R...", "...R...", "...R..."});
    EXPECT_EQ(note(1, coiffee), 1);
    EXPECT_EQ(note(2, coiffee), 1);
}

TEST_P(Notes, Horizontales)
{
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, kVide, kVide, "RR....."})), 2);
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, kVide, kVide, ".RRR..."})), 3);
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, kVide, kVide, "RR.R..."})), 2);
}

TEST_P(Notes, LaQuatriemeCaseDoitEtreSoutenue)
{
    // Red's three on row 4 lack the cell (4, 3), which is not supported.
    const Plateau p = plateau({kVide, kVide, kVide, kVide, "RRR....", "JJJ...."});
    EXPECT_EQ(note(1, p), 1);
    EXPECT_EQ(note(2, p), 3);
    // A yellow token below it: red gets 3, and yellow has four in a line.
    const Plateau q = plateau({kVide, kVide, kVide, kVide, "RRR....", "JJJJ..."});
    EXPECT_EQ(note(1, q), 3);
    EXPECT_EQ(note(2, q), 4);
}

TEST_P(Notes, QuatreAlignesDansChaqueDirection)
{
    EXPECT_EQ(note(2, plateau({kVide, kVide, "J......", "J......", "J......", "J......"})), 4);
    EXPECT_EQ(note(1, plateau({kVide, kVide, kVide, kVide, kVide, "...RRRR"})), 4);
    EXPECT_EQ(note(1, plateau({kVide, kVide, "...R...", "..RJ...", ".RJJ...", "RJJJ..."})), 4);
    EXPECT_EQ(note(1, plateau({kVide, kVide, "R......", "JR.....", "JJR....", "JJJR..."})), 4);
    // Three in a line is not four.
    EXPECT_LT(note(2, plateau({kVide, kVide, kVide, "J......", "J......", "J......"})), 4);
}

TEST_P(Notes, UnJetonDeLaLigneDuHautNaRienDeLaVerticale)
{
    // Red's three at the top of column 3 (rows 0 to 2) above three yellow
    // tokens. (0, 3): own cells below but no row above: nothing.
    // (1, 3): own below, not own two below, and row 1 < 2: nothing.
    // (2, 3): the cell above is not empty: nothing. No other group gives
    // anything: every empty cell beside them is unsupported.
    const Plateau p = plateau({"...R...", "...R...", "...R...", "...J...", "...J...", "...J..."});
    EXPECT_EQ(note(1, p), 0);
    // Yellow: only (5, 3) gets 1, from the open row to its right.
    EXPECT_EQ(note(2, p), 1);
}

TEST_P(Notes, LaLigneDuBasNeVoitQueLaDiagonaleMontantAGauche)
{
    // The only red token, (5, 3): the cell above is taken (vertical 0), the
    // cell to its right is yellow and the three on its left are yellow
    // (horizontal 0), (4, 4) is supported but (3, 5) is not (rising 0).
    // Up-left, (4, 2), (3, 1) and (2, 0) are empty and supported: 1.
    const Plateau p = plateau({kVide, kVide, kVide, "J......", "JJ.J...", "JJJRJ.."});
    EXPECT_EQ(note(1, p), 1);
    // With (2, 0) taken, the up-left triple fails and nothing is left.
    const Plateau q = plateau({kVide, kVide, "J......", "J......", "JJ.J...", "JJJRJ.."});
    EXPECT_EQ(note(1, q), 0);
}

TEST_P(Notes, DiagonaleMontanteDeTrois)
{
    // Red (5, 0), (4, 1), (3, 2) on yellow supports; (2, 3) is empty and
    // supported by (3, 3). For (5, 0): (4, 1) own, r >= 2, c <= 4,
    // (3, 2) own, r >= 3, c <= 3, (2, 3) empty and supported: 3.
    const Plateau p = plateau({kVide, kVide, kVide, "..RJ...", ".RJJ...", "RJJJ..."});
    EXPECT_EQ(note(1, p), 3);
    // Yellow: three on row 5 with (5, 4) empty and supported: 3.
    EXPECT_EQ(note(2, p), 3);
    EXPECT_EQ(score(1, p), -3);
    // Without (3, 3), (2, 3) is not supported: (5, 0) gets nothing from the
    // diagonal, nor does (4, 1) (its (2, 3) must be supported) nor (3, 2)
    // (the three cells up-right are unsupported). Each red token keeps 1
    // from the empty cell above it, nothing more.
    const Plateau q = plateau({kVide, kVide, kVide, "..R....", ".RJJ...", "RJJJ..."});
    EXPECT_EQ(note(1, q), 1);
}

TEST_P(Notes, DiagonaleDescendanteDeTrois)
{
    // Red (2, 0), (3, 1), (4, 2); (5, 3) empty (row 5 is always supported).
    // For (2, 0): (3, 1) own, r = 2, c = 0, (4, 2) own, r <= 2, c <= 3,
    // (5, 3) empty and supported: 3.
    const Plateau p = plateau({kVide, kVide, "R......", "JR.....", "JJR....", "JJJ...."});
    EXPECT_EQ(note(1, p), 3);
    // Yellow closes it at (5, 3) and has four on row 5. Red: (2, 0) needs
    // (5, 3) empty or (1, -1), off the board; (3, 1) meets the opponent at
    // (5, 3) and c < 2 for the pair up-left; (4, 2) meets the opponent at
    // (5, 3) and c < 3 for the triple. Each keeps 1 from the cell above.
    const Plateau q = plateau({kVide, kVide, "R......", "JR.....", "JJR....", "JJJJ..."});
    EXPECT_EQ(note(1, q), 1);
    EXPECT_EQ(note(2, q), 4);
    EXPECT_EQ(score(1, q), -4);
    EXPECT_EQ(score(2, q), 4);
}

TEST_P(Notes, DiagonaleDescendanteTrouOuvertMaisPasVide)
{
    // Red (2, 0), (3, 1), hole at (4, 2) (empty, supported), (5, 3) empty:
    // for (2, 0) the cell (5, 3) is empty and supported: 2.
    const Plateau p = plateau({kVide, kVide, "R......", "JR.....", "JJ.....", "JJJ...."});
    EXPECT_EQ(note(1, p), 2);
    // With red's own token in (5, 3), (2, 0) gets nothing from it: the rule
    // wants (5, 3) empty, and an own token there does not count. (3, 1):
    // (4, 2) empty, (5, 3) open but r > 2; (2, 0) open and supported: 1.
    // (5, 3): empty cell above: 1; empty open row to its right: 1.
    const Plateau q = plateau({kVide, kVide, "R......", "JR.....", "JJ.....", "JJJR..."});
    EXPECT_EQ(note(1, q), 1);
}

TEST_P(Notes, DiagonaleMontanteNeRegardePasLeSoutienEnHaut)
{
    // Red (2, 1), capped by yellow (1, 1): vertical 0. (1, 2) and (0, 3) are
    // empty and unsupported: horizontal and falling give 0. Rising: (1, 2)
    // empty, r >= 2, c <= 4, (0, 3) open, r < 3: the other case, which only
    // asks (3, 0) open and supported (yes, (4, 0) holds a token): 1.
    const Plateau p = plateau({kVide, ".J.....", ".R.....", ".J.....", "JJ.....", "JJ....."});
    EXPECT_EQ(note(1, p), 1);
    // With (3, 0) unsupported, nothing is left.
    const Plateau q = plateau({kVide, ".J.....", ".R.....", ".J.....", ".J.....", "JJ....."});
    EXPECT_EQ(note(1, q), 0);
}

TEST_P(Notes, VerticaleDeDeuxTropHaute)
{
    // Red (1, 3), (2, 3) above three yellow tokens, nothing beside them.
    // (1, 3): own below, not own two below, but r < 2: nothing. (2, 3): the
    // cell above is red: nothing. The cells beside are all unsupported.
    const Plateau haut = plateau({kVide, "...R...", "...R...", "...J...", "...J...", "...J..."});
    EXPECT_EQ(note(1, haut), 0);
    // One row lower, (2, 3) with own below, not own two below and the cell
    // above empty: 2.
    const Plateau bas = plateau({kVide, kVide, "...R...", "...R...", "...J...", "...J..."});
    EXPECT_EQ(note(1, bas), 2);
}

TEST_P(Notes, HorizontaleArreteeParLAdversaireADeuxCases)
{
    // Red (5, 3) capped by yellow (4, 3); (5, 4) empty, (5, 5) yellow: the
    // cells (5, 2) and (5, 1) are open and every cell named is supported: 1.
    const Plateau p = plateau({kVide, kVide, kVide, kVide, "...J...", "...R.J."});
    EXPECT_EQ(note(1, p), 1);
    // (5, 1) yellow as well: nothing.
    const Plateau q = plateau({kVide, kVide, kVide, kVide, "...J...", ".J.R.J."});
    EXPECT_EQ(note(1, q), 0);
}

TEST_P(Notes, DiagonaleMontanteAvecUnTrou)
{
    // Red (5, 0) capped by yellow; red (3, 2) capped by yellow (2, 2), with
    // yellow at (3, 3) to its right and (4, 3) down-right: (3, 2) gets
    // nothing. For (5, 0): (4, 1) empty, (3, 2) open (own), (2, 3) open;
    // (4, 1), (3, 2), (2, 3) all supported: 1.
    const Plateau p = plateau({kVide, kVide, "..J....", "..RJ...", "J.JJ...", "RJJJ..."});
    EXPECT_EQ(note(1, p), 1);
    // Without (3, 3), (2, 3) is open but unsupported: nothing.
    const Plateau q = plateau({kVide, kVide, "..J....", "..R....", "J.JJ...", "RJJJ..."});
    EXPECT_EQ(note(1, q), 0);
}

TEST_P(Notes, DiagonaleMontanteTroisiemeCaseOuverteRienDePlus)
{
    // Red (4, 1), (3, 2); (2, 3) empty and supported; (1, 4) open but
    // unsupported: the rule gives nothing more, even though (5, 0) below-left
    // is empty and supported. Each red token keeps 1 from the cell above.
    const Plateau p = plateau({kVide, kVide, kVide, "..RJ...", ".RJJ...", ".JJJ..."});
    EXPECT_EQ(note(1, p), 1);
    // (1, 4) supported by a column of four: 2.
    const Plateau q = plateau({kVide, kVide, "....J..", "..RJJ..", ".RJJJ..", ".JJJJ.."});
    EXPECT_EQ(note(1, q), 2);
}

TEST_P(Notes, LesDeuxCouleursSontTraiteesPareil)
{
    // Exchanging the colours exchanges the grades.
    const Plateau p = plateau({kVide, kVide, "R......", "JR...J.", "JJR.RJ.", "JJJ.JRR"});
    Plateau echange = p;
    for (Case& c : echange) {
        c = c == 0 ? 0 : 3 - c;
    }
    EXPECT_EQ(note(1, p), note(2, echange));
    EXPECT_EQ(note(2, p), note(1, echange));
    EXPECT_EQ(score(1, p), score(2, echange));
}

class Scores : public Notes {};
INSTANTIATE_TEST_SUITE_P(Moteurs, Scores, lesMoteurs(), nomMoteur);

TEST_P(Scores, QuatreContreQuatre)
{
    const Plateau p = plateau({kVide, kVide, kVide, kVide, "JJJJ...", "RRRR..."});
    ASSERT_EQ(note(1, p), 4);
    ASSERT_EQ(note(2, p), 4);
    EXPECT_EQ(score(1, p), -4);
    EXPECT_EQ(score(2, p), -4);
}

TEST_P(Scores, QuatreContreTrois)
{
    const Plateau p = plateau({kVide, kVide, kVide, kVide, "JJJ....", "RRRR..."});
    ASSERT_EQ(note(1, p), 4);
    ASSERT_EQ(note(2, p), 3);
    EXPECT_EQ(score(1, p), 4);
    EXPECT_EQ(score(2, p), -4);
}

TEST_P(Scores, TroisContreUn)
{
    const Plateau p = plateau({kVide, kVide, kVide, kVide, ".J.....", ".RRR..."});
    ASSERT_EQ(note(1, p), 3);
    ASSERT_EQ(note(2, p), 1);
    EXPECT_EQ(score(1, p), 1);
    EXPECT_EQ(score(2, p), -3);
}

TEST_P(Scores, DeuxContreDeux)
{
    const Plateau p = plateau({kVide, kVide, kVide, "J......", "J......", "RR....."});
    ASSERT_EQ(note(1, p), 2);
    ASSERT_EQ(note(2, p), 2);
    EXPECT_EQ(score(1, p), -2);
    EXPECT_EQ(score(2, p), -2);
}

TEST_P(Scores, UnContreRienEtLignesSansAdversaire)
{
    const Plateau un = plateau({kVide, kVide, kVide, kVide, kVide, "...R..."});
    EXPECT_EQ(score(1, un), 0);
    EXPECT_EQ(score(2, un), -1);
    const Plateau deux = plateau({kVide, kVide, kVide, kVide, "...R...", "...R..."});
    EXPECT_EQ(score(1, deux), 1);
    EXPECT_EQ(score(2, deux), -2);
    const Plateau trois = plateau({kVide, kVide, kVide, "...R...", "...R...", "...R..."});
    EXPECT_EQ(score(1, trois), 2);
    EXPECT_EQ(score(2, trois), -3);
    EXPECT_EQ(score(1, Plateau{}), 0);
}

} // namespace
} // namespace essai
