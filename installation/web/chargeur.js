// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads Quartelo 4 into the page: checks what the browser must have, downloads
// the program and its pictures with a progress bar, starts it on a canvas,
// and once it has quit offers « Rejouer », which starts it again from what
// was downloaded.
'use strict';

(function () {
  const site = self.QUARTELO4_SITE;
  const programme = 'quartelo4';
  const bureau = document.getElementById('bureau');
  const panneaux = {
    chargement: document.getElementById('chargement'),
    erreur: document.getElementById('erreur'),
    ferme: document.getElementById('ferme'),
  };
  const etat = document.getElementById('etat');
  const progression = document.getElementById('progression');
  let toile = null;
  let telecharge = null;

  function montrer(nom) {
    for (const [cle, panneau] of Object.entries(panneaux))
      panneau.hidden = cle !== nom;
  }

  function erreur(texte) {
    document.getElementById('message-erreur').textContent = texte;
    if (toile) {
      toile.remove();
      toile = null;
    }
    montrer('erreur');
  }

  function webGLPresent() {
    try {
      const essai = document.createElement('canvas');
      return !!(window.WebGLRenderingContext && (essai.getContext('webgl2') || essai.getContext('webgl')));
    } catch (e) {
      return false;
    }
  }

  // The file's bytes, counted as they arrive.
  async function telecharger(nom, recu) {
    let reponse;
    try {
      reponse = await fetch(nom + '?v=' + site.version);
    } catch (e) {
      throw new Error('connexion');
    }
    if (!reponse.ok)
      throw new Error(nom + ' (' + reponse.status + ')');
    const lecteur = reponse.body.getReader();
    const morceaux = [];
    let longueur = 0;
    for (;;) {
      const { done, value } = await lecteur.read();
      if (done)
        break;
      morceaux.push(value);
      longueur += value.length;
      recu(value.length);
    }
    const tout = new Uint8Array(longueur);
    let position = 0;
    for (const morceau of morceaux) {
      tout.set(morceau, position);
      position += morceau.length;
    }
    return tout.buffer;
  }

  // The large files, kept where the service worker serves them from on the
  // next visits, so that they cross the network once.
  function garder(noms, contenus) {
    if (!('caches' in self))
      return;
    caches.open('quartelo4-' + site.version).then((cache) => Promise.all(noms.map((nom, i) =>
      cache.put(new Request(nom), new Response(contenus[i], { headers: { 'Content-Length': String(contenus[i].byteLength) } })))))
      .catch(() => {});
  }

  async function toutTelecharger() {
    const noms = [programme + '.js', programme + '.wasm', programme + '.data'];
    const total = noms.reduce((somme, nom) => somme + (site.fichiers[nom] || 0), 0);
    let recus = 0;
    progression.max = total;
    const [code, binaire, donnees] = await Promise.all(noms.map((nom) => telecharger(nom, (n) => {
      recus += n;
      progression.value = Math.min(recus, total);
    })));
    garder(noms, [code, binaire, donnees]);
    etat.textContent = 'Démarrage…';
    progression.removeAttribute('value');
    const module = await WebAssembly.compile(binaire);
    const source = new Blob([code], { type: 'text/javascript' });
    await new Promise((charge, echec) => {
      const script = document.createElement('script');
      script.src = URL.createObjectURL(source);
      script.onload = charge;
      script.onerror = () => echec(new Error(programme + '.js'));
      document.head.appendChild(script);
    });
    return { module, donnees, source };
  }

  // One run of the program, on a canvas of its own.
  function lancer() {
    toile = document.createElement('canvas');
    toile.id = 'ecran';
    // Keys and the clipboard reach the program through an editable canvas.
    toile.contentEditable = 'true';
    toile.style.caretColor = 'transparent';
    bureau.prepend(toile);
    const ceToile = toile;
    return createQtAppInstance({
      qtContainerElements: [toile],
      qtFontDpi: 96,
      mainScriptUrlOrBlob: telecharge.source,
      locateFile: (nom) => nom,
      instantiateWasm(imports, reussi) {
        WebAssembly.instantiate(telecharge.module, imports).then((instance) => reussi(instance, telecharge.module),
          () => erreur('Quartelo 4 n\u2019a pas pu démarrer dans ce navigateur.'));
        return {};
      },
      // The pictures, from the download; nothing is fetched again.
      getPreloadedPackage: () => telecharge.donnees,
      print: (texte) => console.log(texte),
      printErr: (texte) => console.warn(texte),
      onAbort: () => erreur('Quartelo 4 s\u2019est arrêté sur une erreur. Rechargez la page pour rejouer.'),
      quartelo4Ferme() {
        if (toile !== ceToile)
          return;
        toile.remove();
        toile = null;
        montrer('ferme');
        document.getElementById('rejouer').focus();
      },
    }).then(() => {
      montrer(null);
      ceToile.focus();
    });
  }

  document.getElementById('rejouer').addEventListener('click', () => {
    montrer(null);
    lancer();
  });

  async function demarrer() {
    if (typeof WebAssembly !== 'object') {
      erreur('Ce navigateur ne sait pas exécuter WebAssembly, dont Quartelo 4 a besoin. '
        + 'Ouvrez la page dans une version récente de Firefox, Chrome, Edge ou Safari.');
      return;
    }
    if (!webGLPresent()) {
      erreur('Quartelo 4 dessine ses fenêtres avec WebGL, qui n\u2019est pas disponible ici. '
        + 'Activez WebGL (ou l\u2019accélération graphique) dans votre navigateur, puis rechargez la page.');
      return;
    }
    montrer('chargement');
    try {
      telecharge = await toutTelecharger();
    } catch (e) {
      erreur('Le téléchargement de Quartelo 4 a échoué (' + e.message + '). '
        + 'Vérifiez votre connexion, puis rechargez la page.');
      return;
    }
    await lancer();
  }

  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service-worker.js').catch(() => {});
  demarrer();
}());
