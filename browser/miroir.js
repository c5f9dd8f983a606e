// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of what screen readers read of the game
// (miroir_accessible.cpp): elements with ARIA roles over the widgets they
// stand for, in the layer the page gives (Module.quartelo4Calque), which
// sees no pointer and shows nothing. Each pass of the program is one
// message, an array of every element it sees, parents first:
//
//   { id, parent ('' for the layer), role (ARIA; 'generic' for none),
//     etiquette (its label) or texte (its text), description,
//     etats ({ checked, disabled }: ARIA states), cadre ([x, y, width,
//     height] in its parent), cible and actions (what activating it asks
//     the program for), vivant (a live region: each new text is announced,
//     and the same text again where annoncer is set), options and choisi
//     (a list's items and the one chosen) }
//
// What a pass no longer names goes. A live element holds two regions that
// take each new text in turn, since some screen readers miss a region
// emptied and filled again.
//
// The canvas's pixels are hidden from screen readers, which the browser
// allows only while it does not have the focus: the layer, « Quartelo 4 »,
// takes the focus in its place, and hands every key to the canvas as it
// comes, which the game reads there as before. (emscripten's optimizer
// reads this file: no destructuring.)
Module.quartelo4Miroir = (function () {
  const calque = Module.quartelo4Calque;
  if (!calque)
    return null;
  const toile = (Module.qtContainerElements || [])[0] || null;
  // Per id: the element, its role, the ARIA states it was given, and for a
  // live one its two regions and the one that holds the text.
  const entrees = new Map();
  // The keys whose press activated an element: their release stays there too.
  const retenues = new Set();

  function agir(cible, choix) {
    if (Module._quartelo4_miroir_agir)
      Module._quartelo4_miroir_agir(cible, choix);
  }

  function creer(description) {
    const role = description.role;
    const element = document.createElement(role === 'combobox' ? 'select' : 'div');
    element.style.cssText = 'position:absolute;margin:0;padding:0;border:0;overflow:hidden;white-space:pre;';
    const entree = { element, role, etats: [] };
    if (role === 'combobox') {
      element.addEventListener('change', () => agir(description.cible, element.selectedIndex));
    } else if (role !== 'generic' && !description.vivant) {
      element.setAttribute('role', role);
    }
    if (description.vivant) {
      entree.regions = [0, 1].map(() => {
        const region = document.createElement('div');
        region.style.cssText = 'position:absolute;inset:0;white-space:pre;';
        if (role === 'generic') {
          region.setAttribute('aria-live', 'polite');
          region.setAttribute('aria-atomic', 'true');
        } else {
          region.setAttribute('role', role);
        }
        element.appendChild(region);
        return region;
      });
      // The first text goes to the first region.
      entree.actuelle = 1;
    }
    // Out of the page's tab order: Tab is the game's.
    if (role === 'combobox' || description.actions)
      element.tabIndex = -1;
    if (description.actions) {
      element.addEventListener('click', (evenement) => {
        evenement.preventDefault();
        if (element.getAttribute('aria-disabled') !== 'true')
          agir(description.cible, -1);
      });
      element.addEventListener('keydown', (evenement) => {
        if (evenement.key !== 'Enter' && evenement.key !== ' ')
          return;
        evenement.preventDefault();
        evenement.stopPropagation();
        retenues.add(evenement.code);
        if (!evenement.repeat)
          element.click();
      });
    }
    return entree;
  }

  function attribut(element, nom, valeur) {
    if (valeur === null || valeur === undefined || valeur === '') {
      if (element.hasAttribute(nom))
        element.removeAttribute(nom);
    } else if (element.getAttribute(nom) !== valeur) {
      element.setAttribute(nom, valeur);
    }
  }

  // A live element's new text, or the same said again, in the region that
  // did not hold the last one.
  function annoncer(entree, valeur, encore) {
    const courante = entree.regions[entree.actuelle];
    if (courante.textContent === valeur && !encore)
      return;
    entree.actuelle = 1 - entree.actuelle;
    courante.textContent = '';
    entree.regions[entree.actuelle].textContent = valeur;
  }

  function options(element, noms, choisi) {
    const actuels = Array.from(element.options, (option) => option.text);
    if (actuels.join('\n') !== noms.join('\n'))
      element.replaceChildren(...noms.map((nom) => new Option(nom)));
    if (element.selectedIndex !== choisi)
      element.selectedIndex = choisi;
  }

  function etats(entree, valeurs) {
    const noms = Object.keys(valeurs);
    for (const nom of entree.etats)
      if (!noms.includes(nom))
        attribut(entree.element, 'aria-' + nom, null);
    for (const nom of noms)
      attribut(entree.element, 'aria-' + nom, String(valeurs[nom]));
    entree.etats = noms;
    if (entree.role === 'combobox')
      entree.element.disabled = valeurs.disabled === true;
  }

  function placer(element, cadre) {
    const style = element.style;
    const px = (valeur) => Math.round(valeur * 100) / 100 + 'px';
    const proprietes = ['left', 'top', 'width', 'height'];
    for (let n = 0; n < 4; ++n) {
      const valeur = px(cadre[n]);
      if (style[proprietes[n]] !== valeur)
        style[proprietes[n]] = valeur;
    }
  }

  function oublier(id, entree) {
    if (toile && entree.element.contains(document.activeElement))
      toile.focus();
    entree.element.remove();
    entrees.delete(id);
  }

  // One element of a pass, created or brought up to date, after the
  // element placed before it in the same parent.
  function mettreAJour(description, derniers) {
    const id = description.id;
    let entree = entrees.get(id);
    if (entree && entree.role !== description.role) {
      oublier(id, entree);
      entree = null;
    }
    if (!entree) {
      entree = creer(description);
      entrees.set(id, entree);
    }
    const element = entree.element;
    const parent = description.parent === '' ? null : entrees.get(description.parent);
    const conteneur = parent ? parent.element : calque;
    const precedent = derniers.get(conteneur) || null;
    const place = precedent ? precedent.nextSibling : conteneur.firstChild;
    if (element !== place)
      conteneur.insertBefore(element, place);
    derniers.set(conteneur, element);

    if (description.etiquette !== undefined)
      attribut(element, 'aria-label', description.etiquette);
    else if (entree.regions)
      annoncer(entree, description.texte, description.annoncer === true);
    else if (element.textContent !== description.texte)
      element.textContent = description.texte;
    if (entree.role === 'combobox')
      options(element, description.options, description.choisi);
    attribut(element, 'aria-description', description.description);
    etats(entree, description.etats || {});
    if (entree.role === 'alertdialog' || entree.role === 'dialog')
      attribut(element, 'aria-modal', 'true');
    placer(element, description.cadre);
  }

  // A key, to the game; what the game takes, the browser does not.
  function transmettre(evenement) {
    if (!toile || evenement.target.tagName === 'SELECT' || evenement.defaultPrevented)
      return;
    if (evenement.type === 'keyup' && retenues.delete(evenement.code)) {
      evenement.preventDefault();
      return;
    }
    evenement.stopPropagation();
    const prise = !toile.dispatchEvent(new KeyboardEvent(evenement.type, {
      key: evenement.key, code: evenement.code, location: evenement.location,
      repeat: evenement.repeat, shiftKey: evenement.shiftKey, ctrlKey: evenement.ctrlKey,
      altKey: evenement.altKey, metaKey: evenement.metaKey, bubbles: true, cancelable: true,
    }));
    if (prise)
      evenement.preventDefault();
  }
  calque.setAttribute('role', 'application');
  calque.setAttribute('aria-label', 'Quartelo 4');
  calque.tabIndex = 0;
  calque.addEventListener('keydown', transmettre);
  calque.addEventListener('keyup', transmettre);
  if (toile) {
    toile.setAttribute('aria-hidden', 'true');
    toile.addEventListener('focus', () => calque.focus());
  }

  return {
    passe(liste) {
      const vus = new Set(liste.map((description) => description.id));
      // Per parent, the last element placed in it during the pass.
      const derniers = new Map();
      for (const description of liste)
        mettreAJour(description, derniers);
      entrees.forEach((entree, id) => {
        if (!vus.has(id))
          oublier(id, entree);
      });
    },
  };
}());
