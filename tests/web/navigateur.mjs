// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser tests' support: the site served by nginx on 127.0.0.1, Debian's
// Chromium driven through the DevTools protocol, and the game read as a
// player sees it, from the pixels of the page: the board's cells told apart
// by the pictures of images/, the windows found where the board stands;
// and as a screen reader reads it, from the page's accessibility tree.

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const ici = path.dirname(fileURLToPath(import.meta.url));
export const racine = path.resolve(ici, '../..');
const exiger = createRequire(path.join(process.env.QUARTELO4_MODULES || path.join(ici, 'node_modules'), 'x.js'));
const puppeteer = exiger('puppeteer-core');
const { PNG } = exiger('pngjs');

export const site = process.env.QUARTELO4_SITE || path.join(racine, 'build-web/site');
export const cote = 90;

export function verifier(condition, message) {
  if (!condition)
    throw new Error(message);
}

export const pause = (ms) => new Promise((fin) => setTimeout(fin, ms));

// Waits until `essai` gives something other than undefined, or fails after
// `delai` ms naming what was awaited.
export async function attendre(quoi, essai, delai = 30000, pas = 25) {
  const limite = Date.now() + delai;
  for (;;) {
    const valeur = await essai();
    if (valeur !== undefined && valeur !== false)
      return valeur;
    if (Date.now() > limite)
      throw new Error('en attendant ' + quoi);
    await pause(pas);
  }
}

// ---- The pictures of images/, as 90 by 90 RGB arrays, by their codes.

function lireBmp(fichier) {
  const octets = fs.readFileSync(fichier);
  const debut = octets.readUInt32LE(10);
  const largeur = octets.readInt32LE(18);
  const hauteur = octets.readInt32LE(22);
  const bits = octets.readUInt16LE(28);
  verifier(bits === 24, fichier + ' : ' + bits + ' bits');
  const ligne = Math.ceil((largeur * 3) / 4) * 4;
  const rgb = Buffer.alloc(largeur * Math.abs(hauteur) * 3);
  for (let y = 0; y < Math.abs(hauteur); ++y) {
    const source = debut + (hauteur > 0 ? Math.abs(hauteur) - 1 - y : y) * ligne;
    for (let x = 0; x < largeur; ++x) {
      rgb[(y * largeur + x) * 3] = octets[source + x * 3 + 2];
      rgb[(y * largeur + x) * 3 + 1] = octets[source + x * 3 + 1];
      rgb[(y * largeur + x) * 3 + 2] = octets[source + x * 3];
    }
  }
  return { largeur, hauteur: Math.abs(hauteur), rgb };
}

const nomsDesImages = {
  '.': 'emplacement_pour_pion.bmp', r: 'pion_rouge_joue.bmp', j: 'pion_jaune_joue.bmp',
  R: 'pion_rouge_gagnant.bmp', J: 'pion_jaune_gagnant.bmp', x: 'pion_rouge.bmp', y: 'pion_jaune.bmp',
};
for (let colonne = 0; colonne < 7; ++colonne)
  nomsDesImages[String(colonne)] = colonne + '.bmp';
export const images = Object.fromEntries(Object.entries(nomsDesImages)
  .map(([code, nom]) => [code, lireBmp(path.join(racine, 'images', nom))]));

// ---- The page's pixels.

export class Capture {
  constructor(png) {
    const image = PNG.sync.read(png);
    this.largeur = image.width;
    this.hauteur = image.height;
    this.rgba = image.data;
  }

  pixel(x, y) {
    const i = (y * this.largeur + x) * 4;
    return [this.rgba[i], this.rgba[i + 1], this.rgba[i + 2]];
  }

  // Mean difference per channel between the square at (x, y) and a picture.
  ecart(x, y, image) {
    if (x < 0 || y < 0 || x + image.largeur > this.largeur || y + image.hauteur > this.hauteur)
      return Infinity;
    let somme = 0;
    for (let j = 0; j < image.hauteur; ++j) {
      let i = ((y + j) * this.largeur + x) * 4;
      let k = j * image.largeur * 3;
      for (let n = 0; n < image.largeur; ++n, i += 4, k += 3)
        somme += Math.abs(this.rgba[i] - image.rgb[k]) + Math.abs(this.rgba[i + 1] - image.rgb[k + 1])
          + Math.abs(this.rgba[i + 2] - image.rgb[k + 2]);
    }
    return somme / (image.largeur * image.hauteur * 3);
  }

  // The code of the picture the square at (x, y) shows, '?' for none. With
  // `pas`, the square has that side and shows one of `codes` at any scale:
  // the nearest, compared at points spread over both.
  code(x, y, pas, codes) {
    if (pas === undefined) {
      for (const [code, image] of Object.entries(images))
        if (this.ecart(x, y, image) < 1.5)
          return code;
      return '?';
    }
    const n = 15;
    const ecart = (image) => {
      let somme = 0;
      for (let k = 0; k < n * n; ++k) {
        const [u, v] = [(k % n + 0.5) / n, (Math.floor(k / n) + 0.5) / n];
        const vu = this.pixel(Math.floor(x + u * pas), Math.floor(y + v * pas));
        const i = (Math.floor(v * image.hauteur) * image.largeur + Math.floor(u * image.largeur)) * 3;
        somme += vu.reduce((t, c, canal) => t + Math.abs(c - image.rgb[i + canal]), 0);
      }
      return somme / (n * n * 3);
    };
    const [ecartMin, code] = codes.map((c) => [ecart(images[c]), c]).sort((a, b) => a[0] - b[0])[0];
    return ecartMin < 40 ? code : '?';
  }

  // The box of the pixels of a rectangle that `garder` keeps, in the
  // capture's pixels, or undefined.
  boite({ x, y, largeur, hauteur }, garder) {
    let [haut, bas, gauche, droite] = [Infinity, -1, Infinity, -1];
    for (let j = y; j < y + hauteur; ++j)
      for (let i = x; i < x + largeur; ++i)
        if (garder(this.pixel(i, j)))
          [haut, bas, gauche, droite] = [Math.min(haut, j), j, Math.min(gauche, i), Math.max(droite, i)];
    return bas < 0 ? undefined : { x: gauche, y: haut, largeur: droite - gauche + 1, hauteur: bas - haut + 1 };
  }

  // Where the picture stands first, row by row, or undefined.
  trouver(image) {
    const [r, g, b] = [image.rgb[0], image.rgb[1], image.rgb[2]];
    for (let y = 0; y + image.hauteur <= this.hauteur; ++y)
      for (let x = 0; x + image.largeur <= this.largeur; ++x) {
        const i = (y * this.largeur + x) * 4;
        if (Math.abs(this.rgba[i] - r) <= 2 && Math.abs(this.rgba[i + 1] - g) <= 2 && Math.abs(this.rgba[i + 2] - b) <= 2
            && this.ecart(x, y, image) < 1.5)
          return { x, y };
      }
    return undefined;
  }
}

// ---- Server and browser.

async function portLibre() {
  return new Promise((fin) => {
    const serveur = net.createServer();
    serveur.listen(0, '127.0.0.1', () => {
      const { port } = serveur.address();
      serveur.close(() => fin(port));
    });
  });
}

export async function demarrerServeur(dossier = site) {
  const port = await portLibre();
  const processus = spawn('bash', [path.join(ici, 'serveur.sh'), dossier, String(port)], { stdio: ['ignore', 'ignore', 'inherit'] });
  const adresse = `http://127.0.0.1:${port}/`;
  await attendre('le serveur', async () => {
    try {
      return (await fetch(adresse)).ok;
    } catch (e) {
      return false;
    }
  }, 20000, 100);
  return { adresse, arreter: () => processus.kill('SIGTERM') };
}

// Chromium as the machine has it, headless, WebGL through SwiftShader (or
// none), with a profile of its own that `profil` keeps between two runs.
export async function ouvrirNavigateur({ webgl = true, profil } = {}) {
  const dossier = profil || fs.mkdtempSync(path.join(os.tmpdir(), 'quartelo4-chromium-'));
  const navigateur = await puppeteer.launch({
    executablePath: process.env.QUARTELO4_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: dossier,
    args: [
      '--no-sandbox', '--no-first-run', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--disable-quic', '--disable-features=Translate,MediaRouter',
      '--hide-scrollbars', '--force-device-scale-factor=1', '--window-size=1280,900',
      ...(webgl ? ['--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--ignore-gpu-blocklist']
        : ['--disable-webgl', '--disable-3d-apis']),
    ],
    defaultViewport: { width: 1280, height: 900, deviceScaleFactor: 1 },
  });
  const fermer = async () => {
    await navigateur.close();
    if (!profil)
      fs.rmSync(dossier, { recursive: true, force: true });
  };
  return { navigateur, fermer };
}

// ---- The game in the page.

// The controls the scenarios press, as the screen readers' mirror names
// them (its role, its name, and the group it stands in).
const controles = {
  nouvellePartie: { role: 'button', nom: 'Nouvelle Partie' },
  quitter: { role: 'button', nom: 'Quitter' },
  rougeOrdinateur: { role: 'radio', nom: 'Ordinateur', groupe: 'Joueur rouge' },
  jauneOrdinateur: { role: 'radio', nom: 'Ordinateur', groupe: 'Joueur jaune' },
  colonne: (k) => ({ role: 'button', nom: String(k) }),
  ok: { role: 'button', nom: 'OK' },
};
// What Qt draws around the windows, and what stands on it.
export const surLeGris = ([r, g, b]) => Math.abs(r - 51) + Math.abs(g - 51) + Math.abs(b - 51) > 6;
// The windows' own sizes, and where the board stands in the game window.
export const tailles = { debut: { largeur: 250, hauteur: 210 }, jeu: { largeur: 880, hauteur: 720 } };
export const plateauDansLeJeu = { x: 10, y: 45 };

export class Jeu {
  constructor(page) {
    this.page = page;
    this.erreurs = [];
    page.on('pageerror', (e) => this.erreurs.push(String(e)));
    page.on('console', (m) => {
      if (m.type() === 'error')
        this.erreurs.push(m.text());
    });
  }

  async capture() {
    return new Capture(await this.page.screenshot({ type: 'png', optimizeForSpeed: true }));
  }

  // The window the page shows ('debut' or 'jeu'), found on the canvas as
  // what stands on Qt's grey: its corner and size in the page's pixels, and
  // how many of them one of its own takes; `boite` is the same in the
  // capture's pixels. Undefined while no window is drawn.
  async trouverFenetre(nom, capture) {
    const vue = capture || await this.capture();
    const { zone, ratio } = await this.page.evaluate(() => {
      const r = document.getElementById('ecran').getBoundingClientRect();
      return { zone: { x: r.left, y: r.top, largeur: r.width, hauteur: r.height }, ratio: devicePixelRatio };
    });
    const boite = vue.boite({ x: Math.round(zone.x * ratio), y: Math.round(zone.y * ratio),
      largeur: Math.min(vue.largeur, Math.round(zone.largeur * ratio)), hauteur: Math.min(vue.hauteur, Math.round(zone.hauteur * ratio)) },
    surLeGris);
    if (!boite)
      return undefined;
    return { x: boite.x / ratio, y: boite.y / ratio, largeur: boite.largeur / ratio, hauteur: boite.hauteur / ratio,
      echelle: boite.largeur / ratio / tailles[nom].largeur, ratio, zone, boite };
  }

  // A point given in a window's own pixels, in the page's.
  point(fenetre, { x, y }) {
    return { x: fenetre.x + x * fenetre.echelle, y: fenetre.y + y * fenetre.echelle };
  }

  // The centre of a cell of the board (row 0 is the header row), and a
  // column button, in the game window's own pixels.
  static caseDuJeu(colonne, ligne) {
    return { x: plateauDansLeJeu.x + colonne * cote + cote / 2, y: plateauDansLeJeu.y + ligne * cote + cote / 2 };
  }

  // The centre of a control, in the page's pixels, from the element of the
  // screen readers' mirror that stands over it (`nom`: a key of `controles`,
  // with `k` for a column button), once the mirror has it and it stands
  // inside the window `fenetre` that the pixels show.
  async controle(nom, k, fenetre) {
    const { role, nom: texte, groupe } = typeof controles[nom] === 'function' ? controles[nom](k) : controles[nom];
    let vu;
    return attendre(`« ${texte} » dans le miroir`, async () => {
      vu = await this.page.evaluate((r, n, g) => {
        const dans = g ? document.querySelector(`.miroir [role=group][aria-label="${g}"]`) : document.querySelector('.miroir');
        const element = dans && Array.from(dans.querySelectorAll(`[role=${r}]`)).find((e) => e.textContent === n);
        if (!element)
          return undefined;
        const c = element.getBoundingClientRect();
        return { x: c.left + c.width / 2, y: c.top + c.height / 2 };
      }, role, texte, groupe);
      return vu && (!fenetre || (vu.x > fenetre.x && vu.x < fenetre.x + fenetre.largeur
        && vu.y > fenetre.y && vu.y < fenetre.y + fenetre.hauteur)) && vu;
    }, 10000, 25).catch((e) => {
      throw new Error(e.message + (vu ? ` (vu en ${vu.x}, ${vu.y}, hors de la fenêtre ${JSON.stringify(fenetre && [fenetre.x, fenetre.y, fenetre.largeur, fenetre.hauteur])})` : ''));
    });
  }

  // The start window's top-left corner, where the page draws it.
  async origineDebut() {
    return attendre('la fenêtre de départ', () => this.trouverFenetre('debut'));
  }

  // The board, found by a header of its top row: the cursor stands on one
  // column at most, and no token falls through that row.
  async trouverPlateau(capture) {
    const vue = capture || await this.capture();
    for (let colonne = 6; colonne >= 0; --colonne) {
      const entete = vue.trouver(images[String(colonne)]);
      if (entete) {
        this.plateau = { x: entete.x - colonne * cote, y: entete.y };
        return this.plateau;
      }
    }
    return undefined;
  }

  // The board as text: seven rows of seven codes, the header row first.
  // With the game window that trouverFenetre found, at whatever scale the
  // page draws it.
  async lirePlateau(capture, fenetre) {
    const vue = capture || await this.capture();
    const k = fenetre ? fenetre.echelle * fenetre.ratio : 1;
    const [x, y] = fenetre ? [fenetre.boite.x + plateauDansLeJeu.x * k, fenetre.boite.y + plateauDansLeJeu.y * k]
      : [this.plateau.x, this.plateau.y];
    const lignes = [];
    for (let ligne = 0; ligne < 7; ++ligne) {
      let texte = '';
      for (let colonne = 0; colonne < 7; ++colonne)
        texte += fenetre ? vue.code(x + colonne * cote * k, y + ligne * cote * k, cote * k,
          ligne === 0 ? [String(colonne), 'x', 'y'] : ['.', 'r', 'j', 'R', 'J'])
          : vue.code(x + colonne * cote, y + ligne * cote);
      lignes.push(texte);
    }
    return lignes;
  }

  async cliquer(point, options = {}) {
    await this.page.mouse.click(point.x, point.y, options);
  }

  // A click, or with `doigt` a tap.
  async appuyer(point, doigt) {
    await (doigt ? this.page.touchscreen.tap(point.x, point.y) : this.cliquer(point));
  }

  // A control of the start window clicked (or with `doigt` tapped), and one
  // of the game window, where the mirror says it stands.
  async cliquerDebut(nom, doigt = false) {
    await this.appuyer(await this.controle(nom, undefined, await this.origineDebut()), doigt);
  }

  async cliquerJeu(nom, k, doigt = false) {
    await this.appuyer(await this.controle(nom, k, await this.trouverFenetre('jeu')), doigt);
  }

  // A click in a cell of the column, as a player drops a token there.
  async cliquerColonne(colonne, ligne = 3) {
    await this.cliquer({ x: this.plateau.x + colonne * cote + 45, y: this.plateau.y + ligne * cote + 45 });
  }

  // The same with a finger, as on a tablet.
  async toucherColonne(colonne, ligne = 3) {
    await this.page.touchscreen.tap(this.plateau.x + colonne * cote + 45, this.plateau.y + ligne * cote + 45);
  }

  async touche(nom) {
    await this.page.keyboard.press(nom);
  }

  // The canvas of the program, once the page shows it.
  async attendreProgramme() {
    await attendre('le programme', () => this.page.evaluate(() => {
      const ecran = document.getElementById('ecran');
      return !!ecran && ecran.isConnected && document.getElementById('chargement').hidden;
    }), 60000, 50);
  }
}

// ---- The page as screen readers read it: the DevTools protocol's
// Accessibility domain, the tree that the platform's accessibility serves.

export class Lecteur {
  constructor(page) {
    this.page = page;
  }

  async session() {
    if (!this.cdp)
      this.cdp = await this.page.target().createCDPSession();
    return this.cdp;
  }

  // The tree without the nodes the browser ignores: each node's role, name,
  // value, description, checked and live state, its children, and the
  // document node it reads.
  async arbre() {
    const cdp = await this.session();
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const parId = new Map(nodes.map((n) => [n.nodeId, n]));
    const propriete = (n, nom) => ((n.properties || []).find((p) => p.name === nom) || { value: {} }).value.value;
    const lire = (n) => {
      const enfants = (n.childIds || []).map((id) => parId.get(id)).filter(Boolean).flatMap((e) => (e.ignored ? lire(e).enfants : [lire(e)]));
      return { role: n.role && n.role.value, nom: (n.name && n.name.value) || '', valeur: n.value && n.value.value,
        description: (n.description && n.description.value) || '', coche: propriete(n, 'checked'),
        direct: propriete(n, 'live'), noeud: n.backendDOMNodeId, enfants };
    };
    return lire(nodes[0]);
  }

  // The nodes of the tree (or under `dans`) that have the role, and the
  // name when one is given.
  async tous(role, nom, dans) {
    const trouves = [];
    const parcourir = (n) => {
      if (n.role === role && (nom === undefined || n.nom === nom))
        trouves.push(n);
      n.enfants.forEach(parcourir);
    };
    parcourir(dans || await this.arbre());
    return trouves;
  }

  // The one node of that role and name, once the tree has it.
  async attendre(role, nom, delai = 30000) {
    return attendre(`« ${nom} » (${role}) dans l'arbre`, async () => {
      const trouves = await this.tous(role, nom);
      return trouves.length === 1 && trouves[0];
    }, delai, 50);
  }

  // The text a node holds: its children's, down to the texts themselves.
  static texte(n) {
    return n.enfants.length ? n.enfants.map(Lecteur.texte).join('') : n.nom;
  }

  // What a screen reader does to activate a node: a click on its element;
  // or, for a list, the choice of an item.
  async activer(noeud, choix) {
    const cdp = await this.session();
    const { object } = await cdp.send('DOM.resolveNode', { backendNodeId: noeud.noeud });
    await cdp.send('Runtime.callFunctionOn', { objectId: object.objectId, arguments: [{ value: choix === undefined ? -1 : choix }],
      functionDeclaration: String(function (indice) {
        if (indice < 0) {
          this.click();
        } else {
          this.selectedIndex = indice;
          this.dispatchEvent(new Event('change', { bubbles: true }));
        }
      }) });
  }
}

// Opens the page and waits for the start window, then leaves the game
// window open with its board found; gives the pieces to `corps`.
export async function partie(corps, { webgl = true, profil } = {}) {
  const serveur = await demarrerServeur();
  const { navigateur, fermer } = await ouvrirNavigateur({ webgl, profil });
  const page = await navigateur.newPage();
  try {
    const jeu = new Jeu(page);
    await corps({ page, jeu, serveur, navigateur });
    verifier(jeu.erreurs.length === 0, 'erreurs de la page : ' + jeu.erreurs.join(' | '));
  } catch (e) {
    // What the page showed, beside the site, for whoever reads the failure.
    const image = path.join(site, '..', 'echec-' + process.argv[2] + '.png');
    await page.screenshot({ path: image }).catch(() => {});
    throw new Error(e.message + ' (page : ' + image + ')');
  } finally {
    await fermer();
    serveur.arreter();
  }
}
