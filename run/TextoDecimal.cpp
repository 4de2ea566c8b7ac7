// em construção
