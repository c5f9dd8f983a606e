// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the files of this version of the site, so that the next visits start
// from them, online or not. The page stores the program's three large files
// itself once it has downloaded them (chargeur.js), so that they cross the
// network once; the worker keeps the small ones. A new version of the site
// comes with a new site.js: its files are fetched once, and the older
// version's are dropped.
'use strict';

importScripts('site.js');

const reserve = 'quartelo4-' + self.QUARTELO4_SITE.version;
const fichiers = Object.keys(self.QUARTELO4_SITE.fichiers);
const grands = ['quartelo4.js', 'quartelo4.wasm', 'quartelo4.data'];
const petits = ['./', 'site.js', ...fichiers.filter((f) => !grands.includes(f) && !f.startsWith('licences/'))];

self.addEventListener('install', (evenement) => {
  evenement.waitUntil(caches.open(reserve).then((cache) => cache.addAll(petits)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (evenement) => {
  evenement.waitUntil(caches.keys()
    .then((noms) => Promise.all(noms.filter((nom) => nom.startsWith('quartelo4-') && nom !== reserve)
      .map((nom) => caches.delete(nom))))
    .then(() => self.clients.claim()));
});

// The site's own files from the kept copy, or from the network and then
// kept; anything else (the source archive) from the network alone.
self.addEventListener('fetch', (evenement) => {
  const requete = evenement.request;
  const adresse = new URL(requete.url);
  if (requete.method !== 'GET' || adresse.origin !== self.location.origin)
    return;
  const relative = adresse.pathname.slice(new URL(self.registration.scope).pathname.length);
  const duSite = relative === '' || relative === 'site.js' || fichiers.includes(relative);
  evenement.respondWith(caches.open(reserve).then(async (cache) => {
    const gardee = await cache.match(requete, { ignoreSearch: true });
    if (gardee)
      return gardee;
    const reponse = await fetch(requete);
    if (duSite && reponse.ok)
      await cache.put(new Request(adresse.pathname), reponse.clone());
    return reponse;
  }));
});
