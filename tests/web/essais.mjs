// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Quartelo 4 in a real browser, as a player uses it: one scenario a run,
// named on the command line (CTest runs each as web.<name>).
//
//   node essais.mjs demarrage|type_wasm|souris|clavier|ordinateurs|pause|quitter|hors_ligne|sans_webgl
//                   |ecrans|difficulte_au_doigt|tempete|lecteur_ecran|mise_a_jour|miroir

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import { attendre, demarrerServeur, ouvrirNavigateur, partie, pause, racine, site, tailles, verifier, Jeu, Lecteur } from './navigateur.mjs';

const vide = ['x123456', '.......', '.......', '.......', '.......', '.......', '.......'];

// The board after the given columns were played from an empty one, red first,
// as lirePlateau() shows it while the game goes on (the red or yellow cursor
// back on column 0).
function apres(coups, gagnants = []) {
  const cases = Array.from({ length: 6 }, () => Array(7).fill('.'));
  coups.forEach((colonne, n) => {
    let ligne = 5;
    while (cases[ligne][colonne] !== '.')
      --ligne;
    cases[ligne][colonne] = n % 2 === 0 ? 'r' : 'j';
  });
  for (const [ligne, colonne] of gagnants)
    cases[ligne][colonne] = cases[ligne][colonne].toUpperCase();
  const entete = gagnants.length ? '0123456' : (coups.length % 2 === 0 ? 'x' : 'y') + '123456';
  return [entete, ...cases.map((ligne) => ligne.join(''))];
}

const egaux = (a, b) => JSON.stringify(a) === JSON.stringify(b);

// The board, until it shows `attendu`; with `aLEchelle`, read at whatever
// scale the page draws the game window.
async function attendrePlateau(jeu, attendu, quoi, { delai = 30000, aLEchelle = false } = {}) {
  let vu = [];
  await attendre(quoi, async () => {
    vu = await (aLEchelle ? jeu.lirePlateau(null, await jeu.trouverFenetre('jeu')) : jeu.lirePlateau());
    return egaux(vu, attendu);
  }, delai).catch((e) => {
    throw new Error(`${e.message} : ${attendu.join('/')} (vu ${vu.join('/')})`);
  });
}

// The number of lines of text in the status line, counted as bands of rows
// with dark pixels in its frame, at least four rows high (the dot of a « j »
// stands alone above its line).
async function lignesDuStatut(jeu) {
  const vue = await jeu.capture();
  let bandes = 0;
  let hauteur = 0;
  for (let y = jeu.plateau.y - 16; y < jeu.plateau.y + 45; ++y) {
    let encre = false;
    for (let x = jeu.plateau.x + 648; x < jeu.plateau.x + 860 && !encre; ++x) {
      const [r, g, b] = vue.pixel(x, y);
      encre = r + g + b < 250;
    }
    hauteur = encre ? hauteur + 1 : 0;
    if (hauteur === 4)
      ++bandes;
  }
  return bandes;
}

// From the page's load to the game window, the options set with the mouse.
async function ouvrirLeJeu(page, jeu, adresse, { rougeOrdinateur = false, jauneOrdinateur = false } = {}) {
  await page.goto(adresse);
  await jeu.attendreProgramme();
  await pause(300);
  if (rougeOrdinateur)
    await jeu.cliquerDebut('rougeOrdinateur');
  if (jauneOrdinateur)
    await jeu.cliquerDebut('jauneOrdinateur');
  await jeu.cliquerDebut('nouvellePartie');
  await attendre('la fenêtre de jeu', () => jeu.trouverPlateau());
}

// What is wrong with the way the page shows the window `nom`, or nothing: it
// stands whole on the canvas, with no frame or title bar (its proportions
// are its own), centred, at its own size where the canvas has room and
// otherwise as large as it allows; and the page does not scroll.
async function malAjustee(jeu, nom) {
  const f = await jeu.trouverFenetre(nom);
  if (!f)
    return 'aucune fenêtre';
  const { zone: z, echelle } = f;
  const { largeur, hauteur } = tailles[nom];
  const defile = await jeu.page.evaluate(() => [document.documentElement.scrollWidth - innerWidth,
    document.documentElement.scrollHeight - innerHeight, scrollX, scrollY]);
  const plein = z.largeur >= largeur && z.hauteur >= hauteur ? echelle > 0.995
    : Math.max(f.largeur / z.largeur, f.hauteur / z.hauteur) > 0.98;
  const faux = { 'la page défile': defile.some((n) => n > 0),
    proportions: Math.abs(f.hauteur - hauteur * echelle) > 1.5,
    'hors du canevas': f.x < z.x || f.y < z.y || f.x + f.largeur > z.x + z.largeur + 0.5 || f.y + f.hauteur > z.y + z.hauteur + 0.5,
    'pas au centre': Math.abs(2 * (f.x - z.x) + f.largeur - z.largeur) > 3 || Math.abs(2 * (f.y - z.y) + f.hauteur - z.hauteur) > 3,
    taille: echelle > 1.005 || !plein };
  const ecart = Object.keys(faux).find((cle) => faux[cle]);
  return ecart && `${ecart} : ${JSON.stringify([f.x, f.y, f.largeur, f.hauteur, z, defile])}`;
}

async function attendreAjustee(jeu, nom, quoi) {
  let vu;
  await attendre(quoi, async () => !(vu = await malAjustee(jeu, nom))).catch((e) => {
    throw new Error(e.message + ' (' + vu + ')');
  });
  return jeu.trouverFenetre(nom);
}

// A new game opened offline, once the program runs: its board, empty.
async function partieHorsLigne(jeu) {
  await pause(300);
  await jeu.cliquerDebut('nouvellePartie');
  await attendre('la fenêtre de jeu hors ligne', () => jeu.trouverPlateau());
  await attendrePlateau(jeu, vide, 'un plateau vide hors ligne');
}

// The last commits of the earlier versions, whose service workers and
// loaders their visitors still run.
const versionsDAvant = [['1.0.0', '7a9662a98f2da5c830897589e3bcf62b3acddacd'],
  ['1.1.0', 'e2377c97a3f604d9297eea3326af174798a370fa']];

// A copy of the site in `dossier`, named `version` in its footer and its
// site.js, whose program sets self.quartelo4Marque to `marque` (so that a
// visit tells which version's program it runs), with, from `commit`, the
// service worker and the loader of an earlier version. Without the
// precompressed files, which would be the original's.
function copieDuSite(dossier, version, marque, commit) {
  fs.cpSync(site, dossier, { recursive: true, filter: (f) => !/\.(br|gz)$/.test(f) });
  for (const fichier of commit ? ['service-worker.js', 'chargeur.js'] : [])
    fs.writeFileSync(path.join(dossier, fichier),
      execFileSync('git', ['-C', racine, 'show', commit + ':installation/web/' + fichier]));
  const page = path.join(dossier, 'index.html');
  fs.writeFileSync(page, fs.readFileSync(page, 'utf8').replace(/Quartelo 4 \d+\.\d+\.\d+/g, 'Quartelo 4 ' + version));
  fs.appendFileSync(path.join(dossier, 'quartelo4.js'), `\nself.quartelo4Marque = '${marque}';\n`);
  const fichiers = fs.readdirSync(dossier, { recursive: true })
    .filter((f) => f !== 'site.js' && fs.statSync(path.join(dossier, f)).isFile()).sort();
  fs.writeFileSync(path.join(dossier, 'site.js'), `self.QUARTELO4_SITE = {\n  version: "${version}-${marque}",\n  fichiers: {\n`
    + fichiers.map((f) => `    "${f}": ${fs.statSync(path.join(dossier, f)).size},\n`).join('') + '  },\n};\n');
  return dossier;
}

// One visit, in a tab of its own, until the game runs: the version that the
// footer, the list of files and the program each say, and the version the
// page asked the program's files for; it gives the list's (the footer's
// and the program's mark). `pendant` runs before the tab closes.
async function visiter(navigateur, adresse, { horsLigne = false, pendant = async () => {} } = {}) {
  const page = await navigateur.newPage();
  const demandees = new Set();
  page.on('request', (requete) => {
    const v = new URL(requete.url()).searchParams.get('v');
    if (v)
      demandees.add(v);
  });
  try {
    await page.setOfflineMode(horsLigne);
    const jeu = new Jeu(page);
    await page.goto(adresse);
    await jeu.attendreProgramme();
    const vue = await page.evaluate(() => ({
      pied: /Quartelo 4 (\S+)/.exec(document.querySelector('footer').textContent)[1],
      site: self.QUARTELO4_SITE.version,
      programme: self.quartelo4Marque,
    }));
    verifier(vue.site === vue.pied + '-' + vue.programme && [...demandees].every((v) => v === vue.site),
      'une page de deux versions : ' + JSON.stringify({ ...vue, demandees: [...demandees] }));
    await pendant(page, jeu);
    return vue.site;
  } finally {
    await page.close();
  }
}

// Whether the browser keeps a version of the site whole, its worker
// installed.
const gardee = (page, version) => attendre('la version ' + version + ' gardée entière', () => page.evaluate(async (v) => {
  const nom = (await caches.keys()).find((n) => n === 'quartelo4-' + v);
  const inscription = await navigator.serviceWorker.getRegistration();
  if (!nom || !inscription || inscription.installing || !(inscription.waiting || inscription.active))
    return false;
  const cles = (await (await caches.open(nom)).keys()).map((r) => new URL(r.url).pathname.slice(1));
  return ['quartelo4.js', 'quartelo4.wasm', 'quartelo4.data', 'index.html', 'chargeur.js', 'service-worker.js']
    .every((f) => cles.includes(f));
}, version), 60000, 200);

// Once the tabs of a version are closed, until the browser has handed over
// to the worker waiting behind it (in its own time): none waits, one runs.
async function relevee(navigateur) {
  const page = await navigateur.newPage();
  const etats = new Map();
  try {
    const session = await page.createCDPSession();
    session.on('ServiceWorker.workerVersionUpdated', ({ versions }) => {
      for (const v of versions)
        etats.set(v.versionId, v.status);
    });
    await session.send('ServiceWorker.enable');
    await attendre('la relève du service worker', () => {
      const vus = [...etats.values()];
      return vus.includes('activated') && vus.every((e) => e === 'activated' || e === 'redundant');
    });
  } finally {
    await page.close();
  }
}

// The screens players have, in CSS pixels, and what they become: a phone
// turned, a tablet's split screen, a laptop at 125 %, a smaller window.
const ecrans = [
  { nom: 'téléphone', l: 390, h: 844, ratio: 3, tactile: true, puis: { l: 844, h: 390, ratio: 3 } },
  { nom: 'tablette', l: 768, h: 1024, ratio: 2, tactile: true, puis: { l: 507, h: 1024, ratio: 2 } },
  { nom: 'Chromebook', l: 1366, h: 650, ratio: 1, puis: { l: 1280, h: 680, ratio: 1.25 } },
  { nom: 'bureau', l: 1920, h: 1080, ratio: 1, puis: { l: 1366, h: 650, ratio: 1 } },
];

const scenarios = {
  // On each screen the window is whole on the page; taps (or clicks) on the
  // board and on a column button play, and so do the keys; a new size of the
  // screen fits the game again, which goes on with its tokens. A second
  // finger on a touch screen plays no second move. On the desktop, a link
  // of the footer opens beside the game, which goes on.
  async ecrans() {
    await partie(async ({ serveur, navigateur }) => {
      let page;
      let jeu;
      for (const ecran of ecrans) {
        // A tab of its own for each screen, whose kind (touch or not) it keeps.
        if (page) {
          verifier(jeu.erreurs.length === 0, ecran.nom + ' : erreurs de la page : ' + jeu.erreurs.join(' | '));
          await page.close();
        }
        page = await navigateur.newPage();
        jeu = new Jeu(page);
        const vue = ({ l, h, ratio }) => page.setViewport({ width: l, height: h, deviceScaleFactor: ratio,
          isMobile: !!ecran.tactile, hasTouch: !!ecran.tactile, isLandscape: l > h });
        const jouer = async (point, coups, quoi) => {
          await (point ? jeu.appuyer(point, ecran.tactile) : jeu.touche('5').then(() => jeu.touche('Enter')));
          await attendrePlateau(jeu, apres(coups), `${ecran.nom} : ${quoi}`, { aLEchelle: true });
        };
        await vue(ecran);
        await page.goto(serveur.adresse);
        await jeu.attendreProgramme();
        await attendreAjustee(jeu, 'debut', ecran.nom + ' : la fenêtre de départ');
        await pause(300);
        await jeu.cliquerDebut('nouvellePartie', ecran.tactile);
        let f = await attendreAjustee(jeu, 'jeu', ecran.nom + ' : la fenêtre de jeu');
        await jouer(jeu.point(f, Jeu.caseDuJeu(3, 4)), [3], 'un pion en 3');
        await jouer(await jeu.controle('colonne', 4, f), [3, 4], 'le bouton « 4 »');
        await vue(ecran.puis);
        f = await attendreAjustee(jeu, 'jeu', ecran.nom + ' : ajustée à sa nouvelle taille');
        await attendrePlateau(jeu, apres([3, 4]), ecran.nom + ' : les pions gardés', { aLEchelle: true });
        await jouer(jeu.point(f, Jeu.caseDuJeu(2, 6)), [3, 4, 2], 'un coup après');
        await jouer(null, [3, 4, 2, 5], 'un coup au clavier');
        if (ecran.tactile) {
          const session = await page.createCDPSession();
          const doigts = [[6, 1], [0, 2]].map(([colonne, id]) => ({ ...jeu.point(f, Jeu.caseDuJeu(colonne, 3)), id }));
          await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: doigts });
          await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
          await attendrePlateau(jeu, apres([3, 4, 2, 5, 6]), ecran.nom + ' : deux doigts, un coup', { aLEchelle: true });
        }
      }
      const lien = new Promise((fin) => navigateur.once('targetcreated', fin));
      await page.click('footer a');
      verifier((await lien).url().endsWith('GPL-3.0-or-later.txt'), 'la licence dans un nouvel onglet');
      await attendrePlateau(jeu, apres([3, 4, 2, 5]), 'le jeu après le lien', { aLEchelle: true });
      verifier(jeu.erreurs.length === 0, 'erreurs de la page : ' + jeu.erreurs.join(' | '));
    });
  },

  // The page in French, its loading, the start window, then « Nouvelle Partie ».
  async demarrage() {
    await partie(async ({ page, jeu, serveur }) => {
      await page.evaluateOnNewDocument(() => {
        window.progressionVue = [];
        document.addEventListener('DOMContentLoaded', () => {
          window.premierEtat = document.getElementById('etat').textContent;
          const barre = document.getElementById('progression');
          new MutationObserver(() => window.progressionVue.push([barre.value, barre.max]))
            .observe(barre, { attributes: true });
        });
      });
      await page.goto(serveur.adresse);
      verifier(await page.title() === 'Quartelo 4', 'titre');
      verifier(await page.$eval('html', (h) => h.lang) === 'fr', 'langue');
      verifier(await page.evaluate(() => window.premierEtat) === 'Chargement…', 'Chargement…');
      await jeu.attendreProgramme();
      // The windows are drawn on the context the program asks for, which the
      // page made for it: WebGL 1, without alpha, depth or stencil.
      const contexte = await page.evaluate(() => {
        const toile = document.getElementById('ecran');
        return { webgl2: toile.getContext('webgl2') !== null, attributs: toile.getContext('webgl').getContextAttributes() };
      });
      const { alpha, depth, stencil, preserveDrawingBuffer } = contexte.attributs;
      verifier(!contexte.webgl2 && !alpha && !depth && !stencil && !preserveDrawingBuffer, 'le contexte : ' + JSON.stringify(contexte));
      const vue = await page.evaluate(() => window.progressionVue);
      verifier(vue.some(([valeur, max]) => max > 1e6 && valeur >= max), 'la barre va au bout : ' + JSON.stringify(vue.slice(-3)));
      await pause(300);
      await jeu.cliquerDebut('nouvellePartie');
      await attendre('la fenêtre de jeu', () => jeu.trouverPlateau());
      await attendrePlateau(jeu, vide, 'un plateau vide');
    });
  },

  // The difficulty chosen with a finger on a phone: a tap opens the list, a
  // tap on « Difficile » chooses it, and the box shows what the list showed.
  async difficulte_au_doigt() {
    await partie(async ({ page, jeu, serveur }) => {
      await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
      await page.goto(serveur.adresse);
      await jeu.attendreProgramme();
      const f = await attendreAjustee(jeu, 'debut', 'la fenêtre de départ');
      // In a band of the start window (its own pixels), the width of the dark
      // text (the box's, or a line of the open list), and whether it is blue.
      const k = f.echelle * f.ratio;
      const bande = (x0, x1, y0, y1) => ({ x: Math.round(f.boite.x + x0 * k), y: Math.round(f.boite.y + y0 * k),
        largeur: Math.round((x1 - x0) * k), hauteur: Math.round((y1 - y0) * k) });
      const encre = async (x0, x1, y0, y1) => ((await jeu.capture()).boite(bande(x0, x1, y0, y1),
        ([r, g, b]) => r + g + b < 300) || { largeur: 0 }).largeur / k;
      const facile = await encre(158, 212, 55, 72);
      await jeu.appuyer(jeu.point(f, { x: 191, y: 63 }), true);
      await attendre('la liste ouverte', async () => !!(await jeu.capture()).boite(bande(215, 216, 58, 59),
        ([r, , b]) => b > 150 && r < 100));
      const dansLaListe = await encre(158, 225, 100, 116);
      await jeu.appuyer(jeu.point(f, { x: 185, y: 108 }), true);
      let choisi;
      await attendre('« Difficile » dans la boîte', async () => Math.abs((choisi = await encre(158, 212, 55, 72)) - dansLaListe) <= 1);
      verifier(choisi > facile + 10, `« Difficile » plus large que « Facile » : ${choisi} contre ${facile}`);
    });
  },

  // Two computers play while the screen changes size again and again, during
  // falls and pauses: a phone's, a tiny page, a page without height, turned
  // and turned back. The game goes on to the desktop's end, nothing breaks,
  // the fit settles on the last size, and the mouse closes the end message.
  async tempete() {
    const outil = process.env.QUARTELO4_ANALYSE;
    verifier(outil && fs.existsSync(outil), "l'outil d'analyse du bureau : " + outil);
    const attendu = partieDuBureau(outil, 8);
    await partie(async ({ page, jeu, serveur }) => {
      const derniere = { width: 1366, height: 650, deviceScaleFactor: 1 };
      await page.setViewport(derniere);
      await page.goto(serveur.adresse);
      await jeu.attendreProgramme();
      await jeu.cliquerDebut('rougeOrdinateur');
      await jeu.cliquerDebut('jauneOrdinateur');
      await jeu.cliquerDebut('nouvellePartie');
      for (let tour = 0; tour < 3; ++tour)
        for (const [width, height] of [[390, 844], [200, 200], [1366, 20], [844, 390], [320, 480], [1024, 768]]) {
          await page.setViewport({ width, height, deviceScaleFactor: 1 });
          await pause(40);
        }
      await page.setViewport(derniere);
      // The game is over once the board stays as it is while a computer
      // would have played twice: the end message is up.
      let [vu, depuis] = [[], Date.now()];
      await attendre('la fin de la partie', async () => {
        const plateau = await jeu.lirePlateau(null, await jeu.trouverFenetre('jeu'));
        if (!egaux(plateau, vu))
          [vu, depuis] = [plateau, Date.now()];
        return Date.now() - depuis > 3000;
      }, 120000, 250);
      // « OK » clicked in the message over the game window drawn smaller.
      await jeu.cliquer(await jeu.controle('ok', undefined, await jeu.trouverFenetre('jeu')));
      await attendrePlateau(jeu, attendu.plateau, 'le plateau du bureau', { aLEchelle: true });
      const mal = await malAjustee(jeu, 'jeu');
      verifier(!mal, 'ajustée à la dernière taille : ' + mal);
    });
  },

  // A host that serves the WebAssembly under another type than
  // application/wasm: the page compiles it from its bytes, and the game starts.
  async type_wasm() {
    await partie(async ({ page, jeu, serveur }) => {
      const binaire = fs.readFileSync(path.join(site, 'quartelo4.wasm'));
      await page.setRequestInterception(true);
      page.on('request', (requete) => {
        if (new URL(requete.url()).pathname.endsWith('/quartelo4.wasm'))
          requete.respond({ status: 200, contentType: 'application/octet-stream', body: binaire });
        else
          requete.continue();
      });
      await ouvrirLeJeu(page, jeu, serveur.adresse);
    });
  },

  // A game won with the mouse: the winning line, the end message, then the
  // result in the status line, and a click that starts the next game.
  async souris() {
    await partie(async ({ page, jeu, serveur }) => {
      await ouvrirLeJeu(page, jeu, serveur.adresse);
      const coups = [0, 1, 0, 1, 0, 1];
      for (let n = 0; n < coups.length; ++n) {
        await jeu.cliquerColonne(coups[n]);
        await attendrePlateau(jeu, apres(coups.slice(0, n + 1)), 'le coup ' + n);
      }
      verifier(await lignesDuStatut(jeu) === 2, 'le statut en deux lignes pendant la partie');
      await jeu.cliquerColonne(0);
      const gagne = apres([...coups, 0], [[2, 0], [3, 0], [4, 0], [5, 0]]);
      await attendre('la ligne gagnante', async () => {
        const vu = await jeu.lirePlateau();
        return egaux(vu.slice(1).map((l) => l[0]), gagne.slice(1).map((l) => l[0]));
      });
      // The message is modal: a click on the board does nothing meanwhile.
      await jeu.cliquerColonne(5);
      await pause(300);
      await jeu.touche('Enter');
      await attendre('le résultat dans le statut', async () => await lignesDuStatut(jeu) === 3);
      await attendrePlateau(jeu, gagne, 'le plateau gagné, sans curseur');
      // After a red win, yellow opens the next game.
      await jeu.cliquerColonne(3);
      await attendrePlateau(jeu, ['y123456', ...vide.slice(1)], 'une nouvelle partie');
    });
  },

  // Keys: digits and arrows move the cursor, Space and Return drop; the
  // keys are the game window's again after the end message.
  async clavier() {
    await partie(async ({ page, jeu, serveur }) => {
      await ouvrirLeJeu(page, jeu, serveur.adresse);
      await jeu.touche('3');
      await attendrePlateau(jeu, ['012x456', ...vide.slice(1)], 'le curseur en 3');
      await jeu.touche('ArrowRight');
      await attendrePlateau(jeu, ['0123x56', ...vide.slice(1)], 'le curseur en 4');
      await jeu.touche('Space');
      await attendrePlateau(jeu, apres([4]), 'le pion en 4');
      await jeu.touche('6');
      await attendrePlateau(jeu, ['012345y', ...apres([4]).slice(1)], 'le curseur jaune en 6');
      await jeu.touche('ArrowLeft');
      await jeu.touche('Enter');
      await attendrePlateau(jeu, apres([4, 5]), 'le pion jaune en 5');
      // A vertical line of red in column 2, played from the keys alone.
      for (const touche of ['2', 'Enter', '6', 'Enter', '2', 'Enter', '6', 'Enter', '2', 'Enter', '6', 'Enter', '2', 'Enter'])
        await jeu.touche(touche);
      await attendre('la ligne gagnante', async () => (await jeu.lirePlateau())[3][2] === 'R', 30000);
      await jeu.touche('Enter');  // closes the message
      await attendre('le résultat dans le statut', async () => await lignesDuStatut(jeu) === 3);
      await jeu.touche('Enter');  // the keys are the game window's again: a new game
      await attendrePlateau(jeu, ['y123456', ...vide.slice(1)], 'une nouvelle partie au clavier');
    });
  },

  // Two computers at « Facile »: the page draws between moves, a falling
  // token is seen midway, and the game ends on the desktop's board.
  async ordinateurs() {
    const outil = process.env.QUARTELO4_ANALYSE;
    verifier(outil && fs.existsSync(outil), "l'outil d'analyse du bureau : " + outil);
    const attendu = partieDuBureau(outil, 8);
    await partie(async ({ page, jeu, serveur }) => {
      await ouvrirLeJeu(page, jeu, serveur.adresse, { rougeOrdinateur: true, jauneOrdinateur: true });
      const vus = new Set();
      let enChute = false;
      await attendre('la fin de la partie des ordinateurs', async () => {
        const vu = await jeu.lirePlateau();
        const jetons = vu.slice(1).join('').replace(/[.?]/g, '').length;
        vus.add(jetons);
        // A token in the air: above an empty cell of its column.
        for (let colonne = 0; colonne < 7; ++colonne)
          for (let ligne = 1; ligne < 6; ++ligne)
            if ('rj'.includes(vu[ligne][colonne]) && vu[ligne + 1][colonne] === '.')
              enChute = true;
        return /[RJ]/.test(vu.slice(1).join(''));
      }, 120000, 10);
      verifier(vus.size >= attendu.coups.length / 2, 'la page dessine entre les coups : ' + [...vus].join(','));
      verifier(enChute, 'un pion vu en pleine chute');
      // The end message closed, the whole board in sight.
      await jeu.touche('Enter');
      await attendre('le résultat dans le statut', async () => await lignesDuStatut(jeu) === 3);
      const fin = await jeu.lirePlateau();
      verifier(egaux(fin, attendu.plateau), 'le plateau du bureau : ' + attendu.plateau.join('/') + ', vu ' + fin.join('/'));
      await jeu.touche('Escape');
      await attendre('la page du jeu fermé', () => page.$eval('#ferme', (e) => !e.hidden));
    });
  },

  // Clicks, a tap and keys during the computer's pause: nothing breaks,
  // and they are played afterwards, in order. Then a tap plays a move.
  async pause() {
    await partie(async ({ page, jeu, serveur }) => {
      await ouvrirLeJeu(page, jeu, serveur.adresse, { jauneOrdinateur: true });
      await jeu.cliquerJeu('colonne', 3);  // the column button « 3 »
      // The computer thinks and pauses for half a second: a click, a tap
      // and a key meanwhile.
      await pause(60);
      await jeu.cliquerColonne(0);
      await jeu.toucherColonne(0);
      await jeu.touche('6');
      const vu = await attendre('les deux clics joués après le coup de l\u2019ordinateur', async () => {
        const plateau = await jeu.lirePlateau();
        const jetons = plateau.slice(1).join('').replace(/[.?]/g, '').length;
        return jetons >= 6 ? plateau : undefined;
      }, 30000);
      // Red's two clicks in column 0, each answered by yellow.
      const rouges = vu.slice(1).map((ligne) => ligne[0]).join('');
      verifier((rouges.match(/r/g) || []).length === 2, 'deux pions rouges en colonne 0 : ' + vu.join('/'));
      await attendre('le curseur rouge en 6', async () => (await jeu.lirePlateau())[0] === '012345x');
      const rougesEn5 = (plateau) => plateau.slice(1).filter((ligne) => ligne[5] === 'r').length;
      const avant = rougesEn5(await jeu.lirePlateau());
      await jeu.toucherColonne(5);
      await attendre('le coup joué du doigt, et la réponse', async () => {
        const plateau = await jeu.lirePlateau();
        return rougesEn5(plateau) === avant + 1 && plateau.slice(1).join('').replace(/[.?]/g, '').length === 8;
      });
    });
  },

  // « Quitter » and Escape close the game; « Rejouer » starts it again
  // from what the page has, without a download.
  async quitter() {
    await partie(async ({ page, jeu, serveur }) => {
      const demandes = [];
      page.on('request', (r) => demandes.push(r.url()));
      await ouvrirLeJeu(page, jeu, serveur.adresse);
      await jeu.cliquerJeu('quitter');
      await attendre('« Quartelo 4 est fermé »', () => page.$eval('#ferme', (e) => !e.hidden
        && e.textContent.includes('Quartelo 4 est fermé')));
      const avant = demandes.length;
      await page.click('#rejouer');
      await jeu.attendreProgramme();
      await pause(300);
      verifier(demandes.length === avant, 'rien de téléchargé pour rejouer : ' + demandes.slice(avant).join(' '));
      await jeu.cliquerDebut('nouvellePartie');
      await attendre('la fenêtre de jeu', () => jeu.trouverPlateau());
      await jeu.cliquerColonne(2);
      await attendrePlateau(jeu, apres([2]), 'un coup après « Rejouer »');
      await jeu.touche('Escape');
      await attendre('fermé par Échap', () => page.$eval('#ferme', (e) => !e.hidden));
      await page.click('#rejouer');
      await jeu.attendreProgramme();
      await pause(300);
      await jeu.cliquerDebut('quitter');
      await attendre('fermé depuis la fenêtre de départ', () => page.$eval('#ferme', (e) => !e.hidden));
    });
  },

  // A second visit with the network gone starts from what the service
  // worker kept.
  async hors_ligne() {
    const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'quartelo4-profil-'));
    try {
      const serveur = await demarrerServeur();
      let premier = await ouvrirNavigateur({ profil });
      try {
        const page = await premier.navigateur.newPage();
        await page.goto(serveur.adresse);
        await new Jeu(page).attendreProgramme();
        await attendre('le service worker', () => page.evaluate(async () => {
          const inscription = await navigator.serviceWorker.ready;
          return !!inscription.active && (await caches.keys()).length > 0;
        }));
      } finally {
        await premier.fermer();
      }
      serveur.arreter();
      const second = await ouvrirNavigateur({ profil });
      try {
        const page = await second.navigateur.newPage();
        await page.setOfflineMode(true);
        const jeu = new Jeu(page);
        await page.goto(serveur.adresse);
        await jeu.attendreProgramme();
        await partieHorsLigne(jeu);
      } finally {
        await second.fermer();
      }
    } finally {
      fs.rmSync(profil, { recursive: true, force: true });
    }
  },

  // A visitor of 1.0.0 moves to this version: the earlier site served and
  // visited, this one put in its place, visited twice, then once offline.
  // Each visit runs one version's files only; the second is this version,
  // and so is the visit offline, which plays.
  async mise_a_jour() {
    for (const [, commit] of versionsDAvant) {
      try {
        execFileSync('git', ['-C', racine, 'cat-file', '-e', commit + '^{commit}'], { stdio: 'ignore' });
      } catch (e) {
        console.log('Le commit d\'une version antérieure manque à cette copie (' + commit + ') : essai laissé de côté.');
        process.exit(77);
      }
    }
    const version = /version: "(\d+\.\d+\.\d+)-/.exec(fs.readFileSync(path.join(site, 'site.js'), 'utf8'))[1];
    // From each earlier version in turn, in a browser of its own.
    for (const [ancienne, commit] of versionsDAvant) {
      const travail = fs.mkdtempSync(path.join(os.tmpdir(), 'quartelo4-versions-'));
      const servi = path.join(travail, 'servi');
      fs.symlinkSync(copieDuSite(path.join(travail, ancienne), ancienne, 'ancien', commit), servi);
      const nouveau = copieDuSite(path.join(travail, 'nouvelle'), version, 'nouveau');
      const serveur = await demarrerServeur(servi);
      const { navigateur, fermer } = await ouvrirNavigateur({ profil: path.join(travail, 'profil') });
      try {
        const avant = ancienne + '-ancien';
        const apres = version + '-nouveau';
        verifier(await visiter(navigateur, serveur.adresse, { pendant: (page) => gardee(page, avant) }) === avant,
          'la première visite, en ' + ancienne);
        fs.unlinkSync(servi);
        fs.symlinkSync(nouveau, servi);
        await visiter(navigateur, serveur.adresse, { pendant: (page) => gardee(page, apres) });
        await relevee(navigateur);
        verifier(await visiter(navigateur, serveur.adresse) === apres, 'la seconde visite après la mise à jour depuis ' + ancienne);
        serveur.arreter();
        verifier(await visiter(navigateur, serveur.adresse, { horsLigne: true, pendant: (page, jeu) => partieHorsLigne(jeu) })
          === apres, 'la visite hors ligne après la mise à jour depuis ' + ancienne);
      } finally {
        await fermer();
        serveur.arreter();
        fs.rmSync(travail, { recursive: true, force: true });
      }
    }
  },

  // A game played through the page's accessibility tree, as a screen reader
  // plays it: the start window's controls, the difficulty and « Nouvelle
  // Partie » from the tree, the board's headers and cells, moves by the
  // column buttons (and the keys, still the game's) with the landing cell
  // announced, a won game's alert and its « OK », then « Quitter »,
  // « Rejouer » and a second game on a fresh tree.
  async lecteur_ecran() {
    await partie(async ({ page, serveur }) => {
      const lecteur = new Lecteur(page);
      const jeu = new Jeu(page);
      const cellules = async () => (await lecteur.tous('cell')).map((n) => n.nom);
      const attendreCellule = (nom) => attendre(`la case « ${nom} »`, async () => (await cellules()).includes(nom));
      const nomsVides = [6, 5, 4, 3, 2, 1].flatMap((r) => [0, 1, 2, 3, 4, 5, 6].map((c) => `colonne ${c}, rangée ${r} : vide`));
      const jouer = async (colonne) => lecteur.activer(await lecteur.attendre('button', String(colonne)));
      // The status line's text, in whichever of its two live regions holds it.
      const statut = async () => (await lecteur.tous('status')).map(Lecteur.texte).join('');

      await page.goto(serveur.adresse);
      await jeu.attendreProgramme();
      const application = await lecteur.attendre('application', 'Quartelo 4');
      verifier((await lecteur.tous('Canvas')).length === 0, 'le canevas est caché');
      for (const [groupe, controles] of [['Souris', [['checkbox', 'Activer la souris', 'true']]],
        ['Difficulté', [['combobox', 'Facile']]],
        ['Joueur rouge', [['radio', 'Ordinateur', 'false'], ['radio', 'Humain', 'true']]],
        ['Joueur jaune', [['radio', 'Ordinateur', 'false'], ['radio', 'Humain', 'true']]]]) {
        const [boite] = await lecteur.tous('group', groupe, application);
        verifier(boite, 'le groupe ' + groupe);
        for (const [role, nom, coche] of controles) {
          const [controle] = await lecteur.tous(role, nom, boite);
          verifier(controle && controle.coche === coche, `${groupe} : ${role} « ${nom} » ${controle && controle.coche}`);
        }
      }
      await lecteur.activer(await lecteur.attendre('button', 'Quitter'));
      await attendre('la page fermée', () => page.$eval('#ferme', (e) => !e.hidden));
      verifier((await lecteur.tous('application')).length === 0, 'plus rien du jeu dans l\'arbre');

      // Rejouer: a fresh tree, each control once.
      await lecteur.activer(await lecteur.attendre('button', 'Rejouer'));
      await lecteur.attendre('application', 'Quartelo 4');
      await lecteur.activer(await lecteur.attendre('combobox', 'Facile'), 2);
      await lecteur.attendre('combobox', 'Difficile');
      await lecteur.activer(await lecteur.attendre('button', 'Nouvelle Partie'));
      await lecteur.attendre('table', 'plateau');
      const entetes = (await lecteur.tous('columnheader')).map((n) => n.nom);
      verifier(egaux(entetes, ['colonne 0 : pion rouge à jouer', ...[1, 2, 3, 4, 5, 6].map((c) => `colonne ${c}`)]), entetes.join(' | '));
      verifier(egaux(await cellules(), nomsVides), (await cellules()).join(' | '));
      verifier((await lecteur.tous('button', 'Nouvelle Partie')).length === 1, 'un seul « Nouvelle Partie »');

      await jouer(3);
      await attendreCellule('colonne 3, rangée 1 : pion rouge');
      await attendre('le statut', async () => (await statut()) === 'Colonne jouée : 3\nC\'est au joueur jaune de jouer');
      const [ligneDeStatut] = await lecteur.tous('status');
      verifier(ligneDeStatut.direct === 'polite', 'le statut est une région vivante : ' + ligneDeStatut.direct);
      // The keys still play, from the layer that has the focus.
      await jeu.touche('4');
      await jeu.touche('Enter');
      await attendreCellule('colonne 4, rangée 1 : pion jaune');
      for (const colonne of [3, 4, 3, 4, 3]) {
        await pause(100);
        await jouer(colonne);
      }
      const alerte = await lecteur.attendre('alertdialog', 'Partie terminée');
      const message = 'La partie est terminée,\n le vainqueur est le joueur \nrouge';
      verifier(alerte.description === message.replace(/\s+/g, ' ') && Lecteur.texte(alerte).startsWith(message), Lecteur.texte(alerte));
      for (let rangee = 1; rangee <= 4; ++rangee)
        verifier((await cellules()).includes(`colonne 3, rangée ${rangee} : pion rouge gagnant`), 'gagnant ' + rangee);
      const annonces = (await lecteur.tous('generic')).filter((n) => n.direct === 'polite');
      verifier(annonces.some((n) => Lecteur.texte(n) === 'colonne 3, rangée 4 : pion rouge gagnant'), 'la dernière case annoncée');
      // Behind the message, the column buttons take nothing.
      await jouer(0);
      await lecteur.activer((await lecteur.tous('button', 'OK', alerte))[0]);
      await attendre('le message fermé', async () => (await lecteur.tous('alertdialog')).length === 0);
      verifier(!(await cellules()).includes('colonne 0, rangée 1 : pion jaune'), 'rien joué derrière le message');

      // The second game: yellow opens it, at the difficulty chosen first.
      await lecteur.activer(await lecteur.attendre('button', 'Nouvelle Partie'));
      await attendre('le plateau vide', async () => egaux(await cellules(), nomsVides));
      await lecteur.attendre('columnheader', 'colonne 0 : pion jaune à jouer');
      verifier((await lecteur.tous('combobox', 'Difficile')).length === 1, 'la difficulté choisie au départ');
      await jouer(6);
      await attendreCellule('colonne 6, rangée 1 : pion jaune');
    });
  },

  // The page's side of the mirror on its own, in a blank page: the elements
  // that a sequence of messages creates, updates, reorders and drops, and
  // what activating them asks of the program.
  async miroir() {
    const { navigateur, fermer } = await ouvrirNavigateur();
    try {
      const page = await navigateur.newPage();
      await page.setContent('<div id="calque"></div><canvas></canvas>');
      await page.evaluate((source) => {
        self.actions = [];
        self.Module = { quartelo4Calque: document.getElementById('calque'), qtContainerElements: [document.querySelector('canvas')],
          _quartelo4_miroir_agir: (cible, choix) => self.actions.push([cible, choix]) };
        (0, eval)(source);
      }, fs.readFileSync(path.join(racine, 'browser/miroir.js'), 'utf8'));
      const bouton = (texte, etats) => ({ id: 'b', parent: 'g', role: 'button', texte, cadre: [10, 20, 30, 40], cible: 7, actions: ['Press'], etats });
      const groupe = { id: 'g', parent: '', role: 'group', etiquette: 'Souris', cadre: [1, 2, 300, 200] };
      const coche = (checked) => ({ id: 'c', parent: 'g', role: 'checkbox', texte: 'Activer', cadre: [0, 0, 5, 5], cible: 8, actions: ['Toggle'], etats: { checked } });
      const statut = (texte, annoncer) => ({ id: 's', parent: '', role: 'status', texte, cadre: [0, 0, 9, 9], vivant: true, annoncer });
      const liste = (choisi) => ({ id: 'l', parent: 'g', role: 'combobox', etiquette: ['Facile', 'Moyen'][choisi], cadre: [0, 0, 9, 9], cible: 9, options: ['Facile', 'Moyen'], choisi });
      // What the layer holds, in order: each element's parent (the layer or
      // another), role, name, checked and disabled states and place; and
      // the texts of the live regions.
      const lire = () => page.evaluate(() => Array.from(document.querySelectorAll('#calque *'))
        .filter((e) => e.tagName !== 'OPTION' && e.getAttribute('role') !== 'status')
        .map((e) => [e.parentElement.id === 'calque', e.getAttribute('role') || e.tagName,
          e.tagName === 'SELECT' ? e.getAttribute('aria-label') + '#' + e.selectedIndex : e.getAttribute('aria-label') || e.textContent,
          e.getAttribute('aria-checked'), e.getAttribute('aria-disabled'), e.style.left]));
      const passe = (elements) => page.evaluate((l) => Module.quartelo4Miroir.passe(l), elements);
      const regions = () => page.evaluate(() => Array.from(document.querySelectorAll('[role=status]'), (e) => e.textContent));
      const attendus = async (liste, quoi) => {
        const vu = await lire();
        verifier(egaux(vu, liste), quoi + ' : ' + JSON.stringify(vu));
      };

      await passe([groupe, bouton('OK'), coche(false), liste(0), statut('À vous')]);
      await attendus([[true, 'group', 'Souris', null, null, '1px'], [false, 'button', 'OK', null, null, '10px'],
        [false, 'checkbox', 'Activer', 'false', null, '0px'], [false, 'SELECT', 'Facile#0', null, null, '0px'],
        [true, 'DIV', 'À vous', null, null, '0px']], 'créés');
      verifier(egaux(await regions(), ['À vous', '']), 'le statut dans sa première région');
      await passe([groupe, liste(1), coche(true), bouton('OK', { disabled: true }), statut('À lui')]);
      await attendus([[true, 'group', 'Souris', null, null, '1px'], [false, 'SELECT', 'Moyen#1', null, null, '0px'],
        [false, 'checkbox', 'Activer', 'true', null, '0px'], [false, 'button', 'OK', null, 'true', '10px'],
        [true, 'DIV', 'À lui', null, null, '0px']], 'mis à jour et réordonnés');
      verifier(egaux(await regions(), ['', 'À lui']), 'le nouveau statut dans l\'autre région');
      await passe([groupe, coche(true), liste(1), statut('À lui', true)]);
      verifier(egaux(await regions(), ['À lui', '']), 'le même statut, annoncé encore, dans l\'autre région');
      verifier(!(await lire()).some((l) => l[1] === 'button'), 'le bouton parti');

      await passe([groupe, bouton('OK'), coche(true), liste(1), statut('À lui')]);
      await page.click('[role=button]');
      await page.focus('[role=checkbox]');
      await page.keyboard.press('Enter');
      await page.select('select', '0');
      verifier(egaux(await page.evaluate(() => self.actions), [[7, -1], [8, -1], [9, 0]]), JSON.stringify(await page.evaluate(() => self.actions)));
      await passe([]);
      verifier((await lire()).length === 0, 'le calque vidé');
    } finally {
      await fermer();
    }
  },

  // Without WebGL the page says so, in French; the program ends before it
  // shows a window, and draws nothing (a page error fails the test).
  async sans_webgl() {
    await partie(async ({ page, serveur }) => {
      await page.goto(serveur.adresse);
      const texte = await attendre('le message', () => page.$eval('#erreur', (e) => !e.hidden && e.textContent));
      verifier(texte.includes('WebGL') && texte.includes('navigateur'), texte);
      const restes = await page.evaluate(() => document.querySelectorAll('#ecran, .miroir').length);
      verifier(restes === 0, 'ni toile ni miroir du programme');
      await pause(1000);
    }, { webgl: false });
  },
};

// The game two computers play on the desktop, move by move from the desktop's
// own search (the analysis tool), to its end.
function partieDuBureau(outil, profondeur) {
  const cases = Array.from({ length: 6 }, () => Array(7).fill('.'));
  const coups = [];
  let gagnants = null;
  for (let joueur = 1; coups.length < 42 && !gagnants; joueur = 3 - joueur) {
    const texte = cases.map((l) => l.join('')).join('').replace(/r/g, 'R').replace(/j/g, 'J');
    const sortie = execFileSync(outil, [], { input: `${texte} ${joueur} ${profondeur}\n` }).toString();
    const colonne = Number(sortie.trim().split(/\s+/)[0]);
    let ligne = 5;
    while (cases[ligne][colonne] !== '.')
      --ligne;
    cases[ligne][colonne] = joueur === 1 ? 'r' : 'j';
    coups.push(colonne);
    gagnants = ligneGagnante(cases, ligne, colonne);
  }
  for (const [l, c] of gagnants || [])
    cases[l][c] = cases[l][c].toUpperCase();
  return { coups, plateau: ['0123456', ...cases.map((l) => l.join(''))] };
}

function ligneGagnante(cases, ligne, colonne) {
  const pion = cases[ligne][colonne];
  for (const [dl, dc] of [[0, 1], [1, 0], [1, 1], [1, -1]]) {
    const ligneVue = [[ligne, colonne]];
    for (const sens of [1, -1])
      for (let l = ligne + sens * dl, c = colonne + sens * dc;
        l >= 0 && l < 6 && c >= 0 && c < 7 && cases[l][c] === pion; l += sens * dl, c += sens * dc)
        ligneVue.push([l, c]);
    if (ligneVue.length >= 4)
      return ligneVue;
  }
  return null;
}

const nom = process.argv[2];
if (!scenarios[nom]) {
  console.error('usage: node essais.mjs ' + Object.keys(scenarios).join('|'));
  process.exit(2);
}
try {
  await scenarios[nom]();
  console.log(`web.${nom}: 1 passed, 0 failed`);
} catch (e) {
  console.error(`web.${nom}: ${e.stack || e}`);
  process.exit(1);
}
