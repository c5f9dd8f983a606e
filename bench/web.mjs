// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser's game costs, measured on the site that scripts/web.sh
// built, served by nginx on 127.0.0.1 to headless Chromium:
//
//   QUARTELO4_MODULES=build-web/essais-web/node_modules node bench/web.mjs [RUNS]
//
// - the bytes moved on a first visit and on a second one (the encoded
//   lengths of every response: compressed as the server sent them);
// - the time from the page's navigation to the start window drawn, cold
//   (new profile) and on a second visit (the service worker's copy);
// - one depth-12 search, WebAssembly under Node.js (the engine of Chromium)
//   against the desktop's native build, over the positions of
//   bench/corpus.txt (twenty times over).

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { attendre, demarrerServeur, ouvrirNavigateur, Capture } from '../tests/web/navigateur.mjs';

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
// not slow the page. The loader's own steps come with it.
async function visite(navigateur, adresse) {
  const page = await navigateur.newPage();
  const session = await page.createCDPSession();
  await session.send('Network.enable');
  let octets = 0;
  session.on('Network.loadingFinished', (e) => { octets += e.encodedDataLength; });
  const images = [];
  session.on('Page.screencastFrame', (e) => {
    images.push({ temps: e.metadata.timestamp * 1000, png: Buffer.from(e.data, 'base64') });
    session.send('Page.screencastFrameAck', { sessionId: e.sessionId }).catch(() => {});
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
  }, 60000, 20);
  const { origine, etapes } = await page.evaluate(() => ({
    origine: performance.timeOrigin,
    etapes: Object.fromEntries(performance.getEntriesByType('mark')
      .filter((m) => m.name.startsWith('quartelo4-')).map((m) => [m.name.slice(10), m.startTime])),
  }));
  const duree = Math.round(image.temps - origine);
  // The service worker's own downloads, once it has installed.
  await new Promise((fin) => setTimeout(fin, 1500));
  await page.close();
  return { octets, duree, etapes };
}

const mediane = (valeurs) => [...valeurs].sort((a, b) => a - b)[Math.floor(valeurs.length / 2)];

const premieres = [];
const secondes = [];
const serveur = await demarrerServeur();
try {
  for (let n = 0; n < essais; ++n) {
    const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'quartelo4-mesure-'));
    try {
      for (const liste of [premieres, secondes]) {
        const { navigateur, fermer } = await ouvrirNavigateur({ profil });
        try {
          liste.push(await visite(navigateur, serveur.adresse));
        } finally {
          await fermer();
        }
      }
    } finally {
      fs.rmSync(profil, { recursive: true, force: true });
    }
  }
} finally {
  serveur.arreter();
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
const natif = chronometrer(path.join(construction, 'bureau/bench/quartelo4_analyse'), []);
// (emscripten 3.1.6's loader takes Node.js's fetch for a browser's: without
// it, it reads the .wasm from the disk.)
const wasm = chronometrer(process.execPath, ['--no-experimental-fetch', path.join(construction, 'bench/quartelo4_analyse.js')]);

const ko = (octets) => (octets / 1000).toFixed(1) + ' kB';
const etapes = (visites) => ['telecharge', 'webgl', 'compile']
  .map((nom) => `${nom} ${Math.round(mediane(visites.map((v) => v.etapes[nom] ?? NaN)))} ms`).join(', ');
console.log(`visits: ${essais}, medians`);
console.log(`first visit:  ${ko(mediane(premieres.map((v) => v.octets)))} moved, start window after ${mediane(premieres.map((v) => v.duree))} ms (${etapes(premieres)})`);
console.log(`second visit: ${ko(mediane(secondes.map((v) => v.octets)))} moved, start window after ${mediane(secondes.map((v) => v.duree))} ms (${etapes(secondes)})`);
console.log(`search, ${positions} positions (bench/corpus.txt twenty times), starting the tool left out: `
  + `native ${(natif.ms / positions).toFixed(3)} ms a position, WebAssembly ${(wasm.ms / positions).toFixed(3)} ms `
  + `(ratio ${(wasm.ms / natif.ms).toFixed(2)}; same columns, values and calls: ${natif.sortie === wasm.sortie ? 'yes' : 'NO'}); `
  + `starting: native ${Math.round(natif.depart)} ms, WebAssembly ${Math.round(wasm.depart)} ms`);
