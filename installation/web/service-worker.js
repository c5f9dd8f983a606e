// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the files of this version of the site, so that the next visits start
// from them, online or not. On a first visit the page stores the program's
// three large files itself once it has downloaded them (chargeur.js), so that
// they cross the network once; the worker keeps the small ones. A new version
// of the site comes with a new site.js, and so a new worker: it fetches all
// of its version's files before it takes over, so that a visit, online or
// not, always has one version whole; a page is only ever served the files
// of its own version; an older version's files are dropped once no page
// that may still ask for them is open.
'use strict';

importScripts('site.js');

const prefixe = 'quartelo4-';
const reserve = prefixe + self.QUARTELO4_SITE.version;
const tailles = self.QUARTELO4_SITE.fichiers;
const fichiers = Object.keys(tailles);
const grands = ['quartelo4.js', 'quartelo4.wasm', 'quartelo4.data'];
const petits = ['./', 'site.js', ...fichiers.filter((f) => !grands.includes(f) && !f.startsWith('licences/'))];
// The pages this worker has served, which ask for its version's files only.
const servies = new Set();

// Files of this version from the server itself, never from the browser's
// HTTP cache (which may still hold the previous version's), each checked
// against the size that site.js gives it before it is kept.
async function telecharger(cache, noms) {
  await Promise.all(noms.map(async (nom) => {
    if (await cache.match(nom))
      return;
    const reponse = await fetch(new Request(nom, { cache: 'no-cache' }));
    const attendue = tailles[nom === './' ? 'index.html' : nom];
    if (!reponse.ok)
      throw new Error(nom + ' (' + reponse.status + ')');
    if (attendue !== undefined && (await reponse.clone().arrayBuffer()).byteLength !== attendue)
      throw new Error(nom + " n'est pas celui de la version " + self.QUARTELO4_SITE.version);
    await cache.put(nom, reponse);
  }));
}

self.addEventListener('install', (evenement) => {
  evenement.waitUntil((async () => {
    const autres = (await caches.keys()).filter((nom) => nom.startsWith(prefixe) && nom !== reserve);
    // Over an earlier version, the large files too: this one takes over
    // whole, or not at all, and the earlier one stays meanwhile.
    await telecharger(await caches.open(reserve), autres.length ? [...petits, ...grands] : petits);
    await self.skipWaiting();
  })());
});

// The other versions' files, once every open page is one this worker served.
async function nettoyer() {
  const noms = (await caches.keys()).filter((nom) => nom.startsWith(prefixe) && nom !== reserve);
  if (noms.length === 0)
    return;
  const pages = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
  if (pages.every((page) => servies.has(page.id)))
    await Promise.all(noms.map((nom) => caches.delete(nom)));
}

self.addEventListener('activate', (evenement) => {
  evenement.waitUntil(self.clients.claim().then(nettoyer));
});

// The site's own files from the kept copy of the page's version, or from the
// network and then kept; anything else (the source archive) from the network
// alone. A page of another version asks for its large files by its version
// (?v=): they come from that version's copy, or not at all, never from this
// one.
self.addEventListener('fetch', (evenement) => {
  const requete = evenement.request;
  const adresse = new URL(requete.url);
  if (requete.method !== 'GET' || adresse.origin !== self.location.origin)
    return;
  const relative = adresse.pathname.slice(new URL(self.registration.scope).pathname.length);
  const duSite = relative === '' || relative === 'site.js' || fichiers.includes(relative);
  const version = adresse.searchParams.get('v');
  const autre = duSite && version !== null && prefixe + version !== reserve;
  if (requete.mode === 'navigate' && evenement.resultingClientId)
    servies.add(evenement.resultingClientId);
  evenement.respondWith((async () => {
    if (autre) {
      const gardee = (await caches.has(prefixe + version))
        && await (await caches.open(prefixe + version)).match(requete, { ignoreSearch: true });
      return gardee || Response.error();
    }
    const cache = await caches.open(reserve);
    const gardee = await cache.match(requete, { ignoreSearch: true });
    if (gardee)
      return gardee;
    const reponse = await fetch(requete);
    if (duSite && reponse.ok)
      await cache.put(new Request(adresse.pathname), reponse.clone());
    return reponse;
  })());
  evenement.waitUntil(nettoyer());
});
