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
  let calque = null;
  let telecharge = null;

  // The steps of the loading, for whoever measures them.
  function marquer(etape) {
    if (self.performance && performance.mark)
      performance.mark('quartelo4-' + etape);
  }

  function montrer(nom) {
    for (const [cle, panneau] of Object.entries(panneaux))
      panneau.hidden = cle !== nom;
  }

  function erreur(texte) {
    document.getElementById('message-erreur').textContent = texte;
    if (toile) {
      toile.remove();
      calque.remove();
      toile = null;
    }
    montrer('erreur');
  }

  // The canvas the program draws on, made before it starts.
  function nouvelleToile() {
    const nouvelle = document.createElement('canvas');
    nouvelle.id = 'ecran';
    // Keys and the clipboard reach the program through an editable canvas,
    // which calls up no on-screen keyboard: the game is played by touch on
    // a touch screen, and by the keys of a keyboard where there is one.
    nouvelle.contentEditable = 'true';
    nouvelle.inputMode = 'none';
    nouvelle.style.caretColor = 'transparent';
    // A long press is a press held, not the browser's menu.
    nouvelle.addEventListener('contextmenu', (evenement) => evenement.preventDefault());
    return nouvelle;
  }

  // Whether WebGL works, asked of the program's own canvas with the very
  // context the program asks for (WebGL 1, no alpha, depth or stencil,
  // antialiased, as Qt's WebAssembly plugin does): the program then takes
  // this context, and the browser wakes its graphics once. The program asks
  // (quartelo4Dessine) once it has built its windows, before it shows them:
  // the first context waits for the browser's graphics to start, which
  // takes a while, and the canvas then has its final size.
  function webGLPresent(surLaToile) {
    try {
      return !!surLaToile.getContext('webgl', {
        alpha: false, depth: false, stencil: false, antialias: true, premultipliedAlpha: true,
        preserveDrawingBuffer: false, powerPreference: 'high-performance', failIfMajorPerformanceCaveat: false,
      });
    } catch (e) {
      return false;
    }
  }

  // One file, its bytes counted as they arrive. The program's WebAssembly is
  // compiled as it arrives; its bytes are kept only for the copy that the
  // next visits start from.
  async function telecharger(nom, recu, { compiler = false, garderLesOctets = true } = {}) {
    let reponse;
    try {
      reponse = await fetch(nom + '?v=' + site.version);
    } catch (e) {
      throw new Error('connexion');
    }
    if (!reponse.ok)
      throw new Error(nom + ' (' + reponse.status + ')');
    let lue = reponse;
    let module = null;
    // A host that serves WebAssembly under another type gets it compiled
    // from its bytes.
    const enFlux = compiler && !!WebAssembly.compileStreaming
      && /^application\/wasm\b/.test(reponse.headers.get('Content-Type') || '');
    if (compiler && !enFlux)
      garderLesOctets = true;
    if (enFlux) {
      // The response itself goes to the compiler, which the browser may
      // then keep compiled for the next visits; a copy is read, unless its
      // bytes are not wanted: the bar then counts it once compiled.
      if (garderLesOctets)
        lue = reponse.clone();
      module = WebAssembly.compileStreaming(reponse);
      // Its failure is reported once the download is over.
      module.catch(() => {});
      if (!garderLesOctets) {
        module.then(() => recu(site.fichiers[nom] || 0), () => {});
        return { octets: null, module };
      }
    }
    const lecteur = lue.body.getReader();
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
    const octets = tout.buffer;
    if (compiler && !module)
      module = WebAssembly.compile(octets);
    return { octets, module };
  }

  // The large files, kept where the service worker serves them from on the
  // next visits, so that they cross the network once. Once the worker runs
  // the page, it serves and keeps them itself. Each is kept under the very
  // address the page asks for (with its version), so that the worker hands
  // the page the kept response itself, beside which the browser keeps the
  // program's compiled code.
  function garder(fichiers) {
    if (!('caches' in self))
      return;
    caches.open('quartelo4-' + site.version).then((cache) => Promise.all(Object.entries(fichiers).map(([nom, octets]) =>
      cache.put(new Request(nom + '?v=' + site.version), new Response(octets, { headers: {
        'Content-Length': String(octets.byteLength),
        'Content-Type': nom.endsWith('.wasm') ? 'application/wasm' : 'application/octet-stream',
      } })))))
      .catch(() => {});
  }

  // The three files, downloaded together; the program compiles as it
  // arrives.
  async function toutTelecharger() {
    const noms = [programme + '.js', programme + '.wasm', programme + '.data'];
    const total = noms.reduce((somme, nom) => somme + (site.fichiers[nom] || 0), 0);
    const aGarder = !(navigator.serviceWorker && navigator.serviceWorker.controller);
    let recus = 0;
    let montre = 0;
    progression.max = total;
    // The bar moves ten times a second at most: each change is a frame that
    // the browser draws while the program compiles.
    const compte = (n) => {
      recus += n;
      const maintenant = performance.now();
      if (maintenant - montre >= 100 || recus >= total) {
        montre = maintenant;
        progression.value = Math.min(recus, total);
      }
    };
    const [code, binaire, donnees] = await Promise.all(noms.map((nom) => telecharger(nom, compte, {
      compiler: nom.endsWith('.wasm'),
      garderLesOctets: aGarder || !nom.endsWith('.wasm'),
    })));
    marquer('telecharge');
    const copie = aGarder ? { [noms[0]]: code.octets, [noms[1]]: binaire.octets, [noms[2]]: donnees.octets } : null;
    return { code: code.octets, module: binaire.module, donnees: donnees.octets, copie };
  }

  // Once compiled, the program's JavaScript in the page.
  async function preparer(fichiers) {
    // A full bar, still: a moving one would take the time it waits for.
    etat.textContent = 'Démarrage…';
    progression.value = progression.max;
    const module = await fichiers.module;
    marquer('compile');
    const source = new Blob([fichiers.code], { type: 'text/javascript' });
    await new Promise((charge, echec) => {
      const script = document.createElement('script');
      script.src = URL.createObjectURL(source);
      script.onload = charge;
      script.onerror = () => echec(new Error(programme + '.js'));
      document.head.appendChild(script);
    });
    return { module, donnees: fichiers.donnees, source };
  }

  // One run of the program, on a canvas of its own; whether it could draw.
  function lancer() {
    toile = nouvelleToile();
    // Screen readers read the windows from the program's elements over the
    // canvas, in a layer of their own, which also takes the keys for it.
    calque = document.createElement('div');
    calque.className = 'miroir';
    bureau.prepend(toile, calque);
    const ceToile = toile;
    const ceCalque = calque;
    let dessine = true;
    return createQtAppInstance({
      qtContainerElements: [toile],
      quartelo4Calque: calque,
      qtFontDpi: 96,
      mainScriptUrlOrBlob: telecharge.source,
      locateFile: (nom) => nom,
      instantiateWasm(imports, reussi) {
        WebAssembly.instantiate(telecharge.module, imports).then((instance) => {
          marquer('instancie');
          reussi(instance, telecharge.module);
        }, () => erreur('Quartelo 4 n\u2019a pas pu démarrer dans ce navigateur.'));
        return {};
      },
      // The pictures, from the download; nothing is fetched again.
      getPreloadedPackage: () => telecharge.donnees,
      print: (texte) => console.log(texte),
      printErr: (texte) => console.warn(texte),
      onAbort: () => erreur('Quartelo 4 s\u2019est arrêté sur une erreur. Rechargez la page pour rejouer.'),
      quartelo4Dessine() {
        marquer('fenetres');
        const webGL = webGLPresent(ceToile);
        marquer('webgl');
        dessine = webGL;
        return webGL;
      },
      quartelo4Ferme() {
        if (toile !== ceToile)
          return;
        toile.remove();
        ceCalque.remove();
        toile = null;
        montrer('ferme');
        document.getElementById('rejouer').focus();
      },
    }).then(() => {
      // The program has ended if it could not draw, its canvas still there.
      if (!dessine) {
        erreurWebGL();
        return false;
      }
      montrer(null);
      ceToile.focus();
      return true;
    });
  }

  document.getElementById('rejouer').addEventListener('click', () => {
    montrer(null);
    lancer();
  });

  function erreurWebGL() {
    erreur('Quartelo 4 dessine ses fenêtres avec WebGL, qui n\u2019est pas disponible ici. '
      + 'Activez WebGL (ou l\u2019accélération graphique) dans votre navigateur, puis rechargez la page.');
  }

  async function demarrer() {
    if (typeof WebAssembly !== 'object') {
      erreur('Ce navigateur ne sait pas exécuter WebAssembly, dont Quartelo 4 a besoin. '
        + 'Ouvrez la page dans une version récente de Firefox, Chrome, Edge ou Safari.');
      return;
    }
    if (!window.WebGLRenderingContext) {
      erreurWebGL();
      return;
    }
    montrer('chargement');
    let fichiers;
    try {
      fichiers = await toutTelecharger();
    } catch (e) {
      erreur('Le téléchargement de Quartelo 4 a échoué (' + e.message + '). '
        + 'Vérifiez votre connexion, puis rechargez la page.');
      return;
    }
    try {
      telecharge = await preparer(fichiers);
    } catch (e) {
      erreur('Le téléchargement de Quartelo 4 a échoué (' + e.message + '). '
        + 'Vérifiez votre connexion, puis rechargez la page.');
      return;
    }
    // The copy for the next visits, once the game has drawn its window.
    if (await lancer() && fichiers.copie)
      setTimeout(() => garder(fichiers.copie), 500);
  }

  // The worker's check for a new version reads its site.js from the server,
  // whatever a host lets the browser keep.
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service-worker.js', { updateViaCache: 'none' }).catch(() => {});
  demarrer();
}());
