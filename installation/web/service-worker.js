// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the files of this version of the site, so that the next visits start
// from them, online or not. On a first visit the page stores the program's
// three large files itself once it has downloaded them (chargeur.js), so that
// they cross the network once; the worker keeps the small ones. A new version
// of the site comes with a new site.js, and so a new worker: it fetches all
// of its version's files, then waits until no page of the older version is
// open before it takes over (the browser's rule for a worker that does not
// skip its wait), so that a visit, online or not, always has one version
// whole. A page is only ever served its own version's files, even one that
// an older worker started to serve just before this one took over; the
// older version's files are dropped once no such page is open.
'use strict';

importScripts('site.js');

const prefixe = 'quartelo4-';
const reserve = prefixe + self.QUARTELO4_SITE.version;
const tailles = self.QUARTELO4_SITE.fichiers;
const fichiers = Object.keys(tailles);
const grands = ['quartelo4.js', 'quartelo4.wasm', 'quartelo4.data'];
const petits = ['./', 'site.js', ...fichiers.filter((f) => !grands.includes(f) && !f.startsWith('licences/'))];
// The address each file is kept under: the large ones with their version,
// as the page asks for them, so that the response handed to the page is the
// one kept, beside which the browser keeps the program's compiled code.
const cle = (nom) => (grands.includes(nom) ? nom + '?v=' + self.QUARTELO4_SITE.version : nom);

// The pages that were open when this worker took over: an older version's
// worker served them. Kept beside this version's files, since the browser
// stops and restarts a worker at will.
const cleDesPagesDAvant = new URL('pages-d-avant', self.registration.scope).href;
let pagesDAvant = caches.open(reserve)
  .then((cache) => cache.match(cleDesPagesDAvant))
  .then(async (reponse) => new Set(reponse ? await reponse.json() : []))
  .catch(() => new Set());

const autresVersions = async () => (await caches.keys()).filter((nom) => nom.startsWith(prefixe) && nom !== reserve);

// Files of this version from the server itself, never from the browser's
// HTTP cache (which may still hold the previous version's), each checked
// against the size that site.js gives it before it is kept.
async function telecharger(cache, noms) {
  await Promise.all(noms.map(async (nom) => {
    if (await cache.match(cle(nom)))
      return;
    const reponse = await fetch(new Request(cle(nom), { cache: 'reload' }));
    const attendue = tailles[nom === './' ? 'index.html' : nom];
    if (!reponse.ok)
      throw new Error(nom + ' (' + reponse.status + ')');
    if (attendue !== undefined && (await reponse.clone().arrayBuffer()).byteLength !== attendue)
      throw new Error(nom + " n'est pas celui de la version " + self.QUARTELO4_SITE.version);
    await cache.put(cle(nom), reponse);
  }));
}

self.addEventListener('install', (evenement) => {
  evenement.waitUntil((async () => {
    // Over an earlier version, the large files too: this one takes over
    // whole, or not at all, and the earlier one stays meanwhile. (On a first
    // visit the page keeps them.)
    const noms = (await autresVersions()).length ? [...petits, ...grands] : petits;
    await telecharger(await caches.open(reserve), noms);
  })());
});

// The other versions' files, once no page open when this worker took over
// is left.
async function nettoyer() {
  const noms = await autresVersions();
  if (noms.length === 0)
    return;
  const avant = await pagesDAvant;
  const pages = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
  if (!pages.some((page) => avant.has(page.id)))
    await Promise.all(noms.map((nom) => caches.delete(nom)));
}

self.addEventListener('activate', (evenement) => {
  evenement.waitUntil((async () => {
    const pages = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
    const ids = pages.map((page) => page.id);
    pagesDAvant = Promise.resolve(new Set(ids));
    await (await caches.open(reserve)).put(cleDesPagesDAvant, new Response(JSON.stringify(ids)));
    await nettoyer();
  })());
});

// A file for a page of an older version: from the newest older copy that
// holds it, or else from the network, as that version's worker did.
async function pourUnePageDAvant(requete) {
  for (const nom of (await autresVersions()).reverse()) {
    const gardee = await (await caches.open(nom)).match(requete, { ignoreSearch: true });
    if (gardee)
      return gardee;
  }
  return fetch(requete);
}

// The site's own files from the kept copy of the page's version, or from the
// network and then kept; anything else (the source archive) from the network
// alone. The large files are asked for by their version (?v=): for a page of
// another version, they come from that version's copy, or not at all, never
// from this one.
self.addEventListener('fetch', (evenement) => {
  const requete = evenement.request;
  const adresse = new URL(requete.url);
  if (requete.method !== 'GET' || adresse.origin !== self.location.origin)
    return;
  const relative = adresse.pathname.slice(new URL(self.registration.scope).pathname.length);
  const duSite = relative === '' || relative === 'site.js' || fichiers.includes(relative);
  const version = adresse.searchParams.get('v');
  evenement.respondWith((async () => {
    if (duSite && version !== null && prefixe + version !== reserve) {
      const gardee = (await caches.has(prefixe + version))
        && await (await caches.open(prefixe + version)).match(requete, { ignoreSearch: true });
      return gardee || Response.error();
    }
    if (duSite && requete.mode !== 'navigate' && (await pagesDAvant).has(evenement.clientId))
      return pourUnePageDAvant(requete);
    const cache = await caches.open(reserve);
    const grand = grands.includes(relative);
    const gardee = await cache.match(requete, { ignoreSearch: !grand });
    if (gardee)
      return gardee;
    const reponse = await fetch(requete);
    if (duSite && reponse.ok)
      await cache.put(grand ? new Request(cle(relative)) : new Request(adresse.pathname), reponse.clone());
    return reponse;
  })());
  evenement.waitUntil(nettoyer());
});
