// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser's game costs, measured on the site that scripts/web.sh
// built, served by nginx on 127.0.0.1 to headless Chromium:
//
//   QUARTELO4_MODULES=build-web/essais-web/node_modules node bench/web.mjs [RUNS]
//
// With QUARTELO4_SITE_AVANT naming another build's site (the one before a
// change), both sites' visits are measured in turn, in the same run. With
// QUARTELO4_SITE_QT_SEUL naming the site of Qt alone (bench/qt_seul.sh),
// its visits are too, to its first frame: it has no mirror.
//
// - the bytes moved on a first visit and on a second one (the encoded
//   lengths of every response: compressed as the server sent them);
// - the time from the page's navigation to the first frame that shows the
//   start window, and to the moment the screen readers' mirror holds its
//   controls (« Nouvelle Partie » among them), cold (new profile) and on a
//   second visit (the service worker's copy), at the machine's pace and at
//   a phone's (DevTools' CPU throttling, 4×); beside them the floor: a page
//   that only opens a WebGL context and clears it, to its first frame;
// - the main thread's busy time for a move played from the keyboard, which
//   holds the screen readers' mirror's cost;
// - the time from a change of the page's size to the first frame that shows
//   the game window fitted to it, and how many frames the browser composed
//   meanwhile;
// - one depth-12 search, WebAssembly under Node.js (the engine of Chromium)
//   against the desktop's native build, over the positions of
//   bench/corpus.txt (twenty times over).
//
// QUARTELO4_VISITES_SEULES=1 measures the visits alone.
//
// A visit stays open QUARTELO4_SEJOUR ms (5000) after the start window, as a
// player's does: the browser keeps the program's compiled code only a
// moment after it has compiled its optimised code.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { attendre, demarrerServeur, ouvrirNavigateur, site, surLeGris, tailles, Capture, Jeu } from '../tests/web/navigateur.mjs';

const ici = path.dirname(fileURLToPath(import.meta.url));
const construction = path.resolve(ici, '../build-web');
const essais = Number(process.argv[2] || 3);

// Whether a frame shows the start window: the window's grey just below the
// centre.
function fenetreDebut(png) {
  const vue = new Capture(png);
  const [r, g, b] = vue.pixel(Math.floor(vue.largeur / 2), Math.floor(vue.hauteur / 2) + 5);
  return Math.abs(r - g) < 8 && Math.abs(g - b) < 8 && r > 200 && r < 250;
}

// One visit: the bytes on the wire, and the time from the navigation to the
// first frame that shows the start window. The frames are those the browser
// composes, pushed as they change: nothing is polled, so the measure does
// not slow the page. The loader's own steps come with it, and the moment the
// mirror first holds « Nouvelle Partie » (a mutation observer of the page's).
// At `rythme` > 1, the page's processor is that many times slower.
const sejour = Number(process.env.QUARTELO4_SEJOUR || 5000);
async function visite(navigateur, adresse, { rythme = 1, plancher = false, sansMiroir = false } = {}) {
  const page = await navigateur.newPage();
  const session = await page.createCDPSession();
  await session.send('Network.enable');
  if (rythme > 1)
    await session.send('Emulation.setCPUThrottlingRate', { rate: rythme });
  let octets = 0;
  session.on('Network.loadingFinished', (e) => { octets += e.encodedDataLength; });
  const images = [];
  session.on('Page.screencastFrame', (e) => {
    images.push({ temps: e.metadata.timestamp * 1000, png: Buffer.from(e.data, 'base64') });
    session.send('Page.screencastFrameAck', { sessionId: e.sessionId }).catch(() => {});
  });
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((changements, observateur) => {
      const calque = document.querySelector('.miroir');
      if (calque && Array.from(calque.querySelectorAll('[role=button]')).some((e) => e.textContent === 'Nouvelle Partie')) {
        self.quartelo4MiroirPret = performance.now();
        observateur.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, characterData: true });
  });
  // A quarter of the page in each direction keeps them cheap.
  await session.send('Page.startScreencast', { format: 'png', maxWidth: 320, maxHeight: 225 });
  await page.goto(adresse);
  let vues = 0;
  const image = await attendre('la fenêtre de départ', () => {
    for (; vues < images.length; ++vues)
      if (fenetreDebut(images[vues].png))
        return images[vues];
    return undefined;
  }, 60000 * rythme, 20);
  const miroir = plancher || sansMiroir ? null
    : await attendre('le miroir', () => page.evaluate(() => self.quartelo4MiroirPret), 30000 * rythme, 20);
  const { origine, etapes } = await page.evaluate(() => ({
    origine: performance.timeOrigin,
    etapes: Object.fromEntries(performance.getEntriesByType('mark')
      .filter((m) => m.name.startsWith('quartelo4-')).map((m) => [m.name.slice(10), m.startTime])),
  }));
  const duree = Math.round(image.temps - origine);
  // The service worker's own downloads, and the browser's copy of the
  // compiled program, as while the game is played.
  await new Promise((fin) => setTimeout(fin, plancher ? 500 : sejour));
  await page.close();
  return { octets, duree, miroir: miroir === null ? NaN : Math.round(miroir), etapes };
}

// The floor: a page that opens a WebGL context and clears it to the start
// window's grey, served as the site is.
function pagePlancher() {
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'quartelo4-plancher-'));
  fs.writeFileSync(path.join(dossier, 'index.html'), `<!DOCTYPE html>
<html lang="fr"><head><meta charset="utf-8"><title>Plancher</title></head>
<body style="margin:0;background:#333"><canvas id="ecran" style="display:block;width:100vw;height:100vh"></canvas>
<script>
const toile = document.getElementById('ecran');
toile.width = innerWidth;
toile.height = innerHeight;
const gl = toile.getContext('webgl2') || toile.getContext('webgl');
gl.clearColor(0.937, 0.937, 0.937, 1);
gl.clear(gl.COLOR_BUFFER_BIT);
</script></body></html>
`);
  return dossier;
}

// The game window, then the page's size changed back and forth between one
// where it stands at its own size and one where it must be drawn smaller:
// for each change, the time to the first frame whose window has the size
// that fits, and the frames composed up to it (that one included).
async function ajustements(navigateur, adresse) {
  const page = await navigateur.newPage();
  const jeu = new Jeu(page);
  const grande = { width: 1280, height: 900, deviceScaleFactor: 1 };
  const petite = { width: 1024, height: 600, deviceScaleFactor: 1 };
  await page.setViewport(grande);
  await page.goto(adresse);
  await jeu.attendreProgramme();
  await jeu.cliquerDebut('nouvellePartie');
  await attendre('la fenêtre de jeu', () => jeu.trouverFenetre('jeu'));
  const session = await page.createCDPSession();
  const images = [];
  session.on('Page.screencastFrame', (e) => {
    images.push({ temps: e.metadata.timestamp * 1000, png: Buffer.from(e.data, 'base64') });
    session.send('Page.screencastFrameAck', { sessionId: e.sessionId }).catch(() => {});
  });
  await session.send('Page.startScreencast', { format: 'png', maxWidth: 640, maxHeight: 450 });
  await new Promise((fin) => setTimeout(fin, 500));
  const mesures = [];
  for (let n = 0; n < 2 * essais; ++n) {
    const taille = n % 2 === 0 ? petite : grande;
    const depuis = images.length;
    const debut = Date.now();
    await page.setViewport(taille);
    const toile = await page.evaluate(() => {
      const r = document.getElementById('ecran').getBoundingClientRect();
      return { x: r.left, y: r.top, largeur: r.width, hauteur: r.height };
    });
    const voulue = tailles.jeu.largeur * Math.min(1, toile.largeur / tailles.jeu.largeur, toile.hauteur / tailles.jeu.hauteur);
    let vues = depuis;
    const image = await attendre('la fenêtre ajustée', () => {
      for (; vues < images.length; ++vues) {
        const vue = new Capture(images[vues].png);
        const pixel = vue.largeur / taille.width;
        const boite = vue.boite({ x: 0, y: Math.round(toile.y * pixel), largeur: vue.largeur,
          hauteur: Math.min(vue.hauteur, Math.round(toile.hauteur * pixel)) }, surLeGris);
        if (boite && Math.abs(boite.largeur / pixel - voulue) <= 2)
          return { ...images[vues], rang: vues - depuis + 1 };
      }
      return undefined;
    }, 10000, 5);
    mesures.push({ ms: image.temps - debut, images: image.rang });
    await new Promise((fin) => setTimeout(fin, 300));
  }
  await page.close();
  return mesures;
}

// The main thread's busy time for a move played from the keyboard (the
// fall drawn, and whatever follows each step: the screen readers' mirror
// where the site has one), over ten moves of a game that none of them ends.
async function coups(navigateur, adresse) {
  const page = await navigateur.newPage();
  const jeu = new Jeu(page);
  await page.goto(adresse);
  await jeu.attendreProgramme();
  await jeu.cliquerDebut('nouvellePartie');
  await attendre('la fenêtre de jeu', () => jeu.trouverFenetre('jeu'));
  const session = await page.createCDPSession();
  await session.send('Performance.enable');
  const occupe = async () => (await session.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const colonnes = [0, 1, 1, 0, 2, 3, 3, 2, 4, 5];
  await new Promise((fin) => setTimeout(fin, 500));
  const debut = await occupe();
  for (const colonne of colonnes) {
    await jeu.touche(String(colonne));
    await jeu.touche('Enter');
    await new Promise((fin) => setTimeout(fin, 800));
  }
  const ms = (await occupe() - debut) * 1000 / colonnes.length;
  await page.close();
  return ms;
}

const mediane = (valeurs) => [...valeurs].sort((a, b) => a - b)[Math.floor(valeurs.length / 2)];

// The sites measured, the floor first, then the one before a change, each
// on its own server.
const plancher = pagePlancher();
const sites = [
  { nom: 'floor', dossier: plancher, plancher: true },
  ...(process.env.QUARTELO4_SITE_AVANT ? [{ nom: 'before', dossier: process.env.QUARTELO4_SITE_AVANT }] : []),
  ...(process.env.QUARTELO4_SITE_QT_SEUL
    ? [{ nom: 'Qt alone', dossier: process.env.QUARTELO4_SITE_QT_SEUL, sansMiroir: true }] : []),
  { nom: process.env.QUARTELO4_SITE_AVANT ? 'this build' : 'site', dossier: site },
];
const rythmes = [1, 4];
// The sites of the game, whose moves and loader are measured too.
const parties = sites.filter((m) => !m.plancher && !m.sansMiroir);
const visitesSeules = process.env.QUARTELO4_VISITES_SEULES === '1';
for (const mesure of sites) {
  mesure.serveur = await demarrerServeur(mesure.dossier);
  mesure.visites = Object.fromEntries(rythmes.map((rythme) => [rythme, { premieres: [], secondes: [] }]));
  mesure.coups = [];
}
let refits;
try {
  for (let n = 0; n < essais; ++n)
    for (const rythme of rythmes)
      for (const mesure of sites) {
        const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'quartelo4-mesure-'));
        try {
          const { premieres, secondes } = mesure.visites[rythme];
          for (const liste of [premieres, secondes]) {
            const { navigateur, fermer } = await ouvrirNavigateur({ profil });
            try {
              liste.push(await visite(navigateur, mesure.serveur.adresse, { rythme, plancher: mesure.plancher, sansMiroir: mesure.sansMiroir }));
            } finally {
              await fermer();
            }
          }
        } finally {
          fs.rmSync(profil, { recursive: true, force: true });
        }
      }
  for (let n = 0; n < (visitesSeules ? 0 : essais); ++n)
    for (const mesure of parties) {
      const { navigateur, fermer } = await ouvrirNavigateur();
      try {
        mesure.coups.push(await coups(navigateur, mesure.serveur.adresse));
      } finally {
        await fermer();
      }
    }
  const { navigateur, fermer } = await ouvrirNavigateur();
  try {
    if (!visitesSeules)
      refits = await ajustements(navigateur, sites[sites.length - 1].serveur.adresse);
  } finally {
    await fermer();
  }
} finally {
  for (const mesure of sites)
    mesure.serveur.arreter();
  fs.rmSync(plancher, { recursive: true, force: true });
}

// The corpus twenty times over, so that starting Node.js weighs little.
const corpus = (fs.readFileSync(path.resolve(ici, 'corpus.txt'), 'utf8').split('\n')
  .filter((ligne) => ligne.trim() && !ligne.startsWith('#')).join('\n') + '\n').repeat(20);
// The search alone: each tool's time on the corpus, less its time on no
// position (starting, and for WebAssembly, compiling).
function chronometrer(commande, args) {
  const fois = (entree) => {
    const temps = [];
    let sortie;
    for (let n = 0; n < essais; ++n) {
      const debut = process.hrtime.bigint();
      sortie = execFileSync(commande, args, { input: entree });
      temps.push(Number(process.hrtime.bigint() - debut) / 1e6);
    }
    return { ms: mediane(temps), sortie: sortie.toString() };
  };
  const vide = fois('');
  const plein = fois(corpus);
  return { ms: plein.ms - vide.ms, depart: vide.ms, sortie: plein.sortie };
}
const positions = corpus.trim().split('\n').length;
const natif = visitesSeules ? null : chronometrer(path.join(construction, 'bureau/bench/quartelo4_analyse'), []);
// (emscripten 3.1.6's loader takes Node.js's fetch for a browser's: without
// it, it reads the .wasm from the disk.)
const wasm = visitesSeules ? null : chronometrer(process.execPath, ['--no-experimental-fetch', path.join(construction, 'bench/quartelo4_analyse.js')]);

const ko = (octets) => (octets / 1000).toFixed(1) + ' kB';
const etapes = (visites) => ['telecharge', 'compile', 'instancie']
  .map((nom) => `${nom} ${Math.round(mediane(visites.map((v) => v.etapes[nom] ?? NaN)))}`).join(', ');
// One table: each figure for each site, and as a multiple of the floor's at
// the same pace.
console.log(`visits: ${essais} of each kind, medians; a visit stays ${sejour} ms`);
const jeux = sites.filter((m) => !m.plancher);
console.log(['figure', 'floor', ...jeux.flatMap((m) => [m.nom, '× floor'])].join(' | '));
for (const rythme of rythmes) {
  for (const [nomVisite, cle] of [['cold', 'premieres'], ['second visit', 'secondes']]) {
    const sol = mediane(sites[0].visites[rythme][cle].map((v) => v.duree));
    for (const [quoi, lire] of [['start window', (v) => v.duree], ['mirror ready', (v) => v.miroir]]) {
      const cellules = jeux.flatMap((m) => {
        const ms = mediane(m.visites[rythme][cle].map(lire));
        return Number.isNaN(ms) ? ['—', ''] : [`${ms} ms`, (ms / sol).toFixed(2)];
      });
      console.log([`${nomVisite}, ${quoi}${rythme > 1 ? `, CPU ×${rythme}` : ''}`, `${sol} ms`, ...cellules].join(' | '));
    }
  }
}
for (const [nomVisite, cle] of [['first visit, moved', 'premieres'], ['second visit, moved', 'secondes']])
  console.log([nomVisite, '', ...jeux.flatMap((m) => [ko(mediane(m.visites[1][cle].map((v) => v.octets))), ''])].join(' | '));
for (const m of parties)
  for (const [nomVisite, cle] of [['cold', 'premieres'], ['second visit', 'secondes']])
    console.log(`${m.nom}, ${nomVisite}, the loader's steps (ms from the navigation): ${etapes(m.visites[1][cle])}`);
if (visitesSeules)
  process.exit(0);
for (const { nom, coups: mesures } of parties)
  console.log(`${nom}, a move from the keyboard: main thread busy ${mediane(mesures).toFixed(1)} ms (median of ${mesures.length} games of ten moves)`);
console.log(`resize to the fitted frame, ${refits.length} changes: median ${Math.round(mediane(refits.map((m) => m.ms)))} ms, `
  + `${mediane(refits.map((m) => m.images))} frames (at most ${Math.max(...refits.map((m) => m.images))})`);
console.log(`search, ${positions} positions (bench/corpus.txt twenty times), starting the tool left out: `
  + `native ${(natif.ms / positions).toFixed(3)} ms a position, WebAssembly ${(wasm.ms / positions).toFixed(3)} ms `
  + `(ratio ${(wasm.ms / natif.ms).toFixed(2)}; same columns, values and calls: ${natif.sortie === wasm.sortie ? 'yes' : 'NO'}); `
  + `starting: native ${Math.round(natif.depart)} ms, WebAssembly ${Math.round(wasm.depart)} ms`);
