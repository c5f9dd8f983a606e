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

import { attendre, demarrerServeur, ouvrirNavigateur, Jeu } from '../tests/web/navigateur.mjs';

const ici = path.dirname(fileURLToPath(import.meta.url));
const construction = path.resolve(ici, '../build-web');
const essais = Number(process.argv[2] || 3);

// One visit: the bytes on the wire and the time to the start window, which
// is drawn once the page shows a pixel of the window's grey at its centre.
async function visite(navigateur, adresse) {
  const page = await navigateur.newPage();
  const session = await page.createCDPSession();
  await session.send('Network.enable');
  let octets = 0;
  session.on('Network.loadingFinished', (e) => { octets += e.encodedDataLength; });
  const debut = Date.now();
  await page.goto(adresse);
  const jeu = new Jeu(page);
  await attendre('la fenêtre de départ', async () => {
    if (!await page.evaluate(() => !!document.getElementById('ecran')))
      return false;
    const vue = await jeu.capture();
    const [r, g, b] = vue.pixel(Math.floor(vue.largeur / 2), Math.floor(vue.hauteur / 2) + 20);
    return Math.abs(r - g) < 8 && Math.abs(g - b) < 8 && r > 200 && r < 250;
  }, 60000, 10);
  const duree = Date.now() - debut;
  // The service worker's own downloads, once it has installed.
  await new Promise((fin) => setTimeout(fin, 1500));
  await page.close();
  return { octets, duree };
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
function chronometrer(commande, args) {
  const temps = [];
  let sortie;
  for (let n = 0; n < essais; ++n) {
    const debut = process.hrtime.bigint();
    sortie = execFileSync(commande, args, { input: corpus });
    temps.push(Number(process.hrtime.bigint() - debut) / 1e6);
  }
  return { ms: mediane(temps), sortie: sortie.toString() };
}
const positions = corpus.trim().split('\n').length;
const natif = chronometrer(path.join(construction, 'bureau/bench/quartelo4_analyse'), []);
// (emscripten 3.1.6's loader takes Node.js's fetch for a browser's: without
// it, it reads the .wasm from the disk.)
const wasm = chronometrer(process.execPath, ['--no-experimental-fetch', path.join(construction, 'bench/quartelo4_analyse.js')]);

const ko = (octets) => (octets / 1000).toFixed(1) + ' kB';
console.log(`visits: ${essais}, medians`);
console.log(`first visit:  ${ko(mediane(premieres.map((v) => v.octets)))} moved, start window after ${mediane(premieres.map((v) => v.duree))} ms`);
console.log(`second visit: ${ko(mediane(secondes.map((v) => v.octets)))} moved, start window after ${mediane(secondes.map((v) => v.duree))} ms`);
console.log(`search, ${positions} positions (bench/corpus.txt twenty times): native ${(natif.ms / positions).toFixed(2)} ms a position, `
  + `WebAssembly ${(wasm.ms / positions).toFixed(2)} ms (ratio ${(wasm.ms / natif.ms).toFixed(2)}; `
  + `same columns, values and calls: ${natif.sortie === wasm.sortie ? 'yes' : 'NO'})`);
